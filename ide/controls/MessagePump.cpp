#include "MessagePump.h"

namespace kforge {

namespace {
HWND activeModalDialog = nullptr;
}

HWND ActiveModalDialog() { return activeModalDialog; }

ModalDialogScope::ModalDialogScope(HWND dialog) : previous_(activeModalDialog) { activeModalDialog = dialog; }

ModalDialogScope::~ModalDialogScope() { activeModalDialog = previous_; }

void PumpPendingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HWND dialog = activeModalDialog;
        if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) { continue; }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace kforge
