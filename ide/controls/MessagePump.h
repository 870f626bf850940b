#pragma once
// Letting pending window messages run from inside a handler.

#include <windows.h>

namespace kforge {

// Dispatches every message waiting in this thread's queue (through the
// active modal dialog's IsDialogMessageA first) and returns when the queue
// is empty. A WM_QUIT met there is posted again for the main loop, and the
// pump returns at once. A handler that uses its object afterwards checks
// the object's AliveToken: the pump can close the very window.
void PumpPendingMessages();

// The modal dialog whose keyboard navigation the pumps serve, or null.
HWND ActiveModalDialog();

// Makes a dialog the active modal dialog for the scope's lifetime (modal
// loops nest: the previous one comes back at the end).
class ModalDialogScope {
public:
    explicit ModalDialogScope(HWND dialog);
    ModalDialogScope(const ModalDialogScope&) = delete;
    ModalDialogScope& operator=(const ModalDialogScope&) = delete;
    ~ModalDialogScope();

private:
    HWND previous_;
};

}  // namespace kforge
