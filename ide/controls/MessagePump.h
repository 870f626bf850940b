#pragma once
// Routing window messages: the main loop's and the pumps that let pending
// messages run from inside a handler route each message the same way.

#include <windows.h>

#include <functional>

namespace kforge {

// Dispatches every message waiting in this thread's queue, each routed as
// RouteMessage does, and returns when the queue is empty. While a menu's
// own loop runs, keyboard and mouse input is left in the queue for that
// loop. A WM_QUIT met there is posted again for the main loop, and the pump
// returns at once. A handler that uses its object afterwards checks the
// object's AliveToken: the pump can close the very window.
void PumpPendingMessages();

// Routes one message as the main loop does: through the active modal
// dialog's IsDialogMessageA, then the shortcut keys, then TranslateMessage
// and DispatchMessageA.
void RouteMessage(MSG& msg);

// The program's shortcut keys: true when the translator took the message as
// a command. An empty translator takes nothing.
void SetShortcutTranslator(std::function<bool(const MSG&)> translator);

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
