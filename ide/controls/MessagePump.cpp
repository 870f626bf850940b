#include "MessagePump.h"

#include <utility>

namespace kforge {

namespace {

HWND activeModalDialog = nullptr;
std::function<bool(const MSG&)> shortcutTranslator;

// The message ranges a pump takes while a menu's loop runs: everything but
// the non-client mouse, keyboard and client mouse messages.
struct MessageRange {
    UINT first;
    UINT last;
};
constexpr MessageRange kOutsideInput[] = {{0, WM_NCMOUSEMOVE - 1},
                                          {WM_NCXBUTTONDBLCLK + 1, WM_KEYFIRST - 1},
                                          {WM_KEYLAST + 1, WM_MOUSEFIRST - 1},
                                          {WM_MOUSELAST + 1, ~0u}};

bool InMenuLoop()
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE);
}

bool TakePending(MSG& msg)
{
    if (!InMenuLoop()) { return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE; }
    for (const MessageRange& range : kOutsideInput) {
        if (PeekMessageA(&msg, nullptr, range.first, range.last, PM_REMOVE)) { return true; }
    }
    return false;
}

}  // namespace

HWND ActiveModalDialog() { return activeModalDialog; }

ModalDialogScope::ModalDialogScope(HWND dialog) : previous_(activeModalDialog) { activeModalDialog = dialog; }

ModalDialogScope::~ModalDialogScope() { activeModalDialog = previous_; }

void SetShortcutTranslator(std::function<bool(const MSG&)> translator)
{
    shortcutTranslator = std::move(translator);
}

void RouteMessage(MSG& msg)
{
    HWND dialog = activeModalDialog;
    if (dialog && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) { return; }
    if (shortcutTranslator && shortcutTranslator(msg)) { return; }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void PumpPendingMessages()
{
    MSG msg;
    while (TakePending(msg)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        RouteMessage(msg);
    }
}

}  // namespace kforge
