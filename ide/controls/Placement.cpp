#include "Placement.h"

#include "MessagePump.h"

namespace kforge {

bool PlaceOnScreen(HWND window, int divisor)
{
    RECT rc{};
    if (divisor < 1 || !GetWindowRect(window, &rc)) { return false; }
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / divisor;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CenterForm(HWND window, int divisor)
{
    if (PlaceOnScreen(window, divisor)) { PumpPendingMessages(); }
}

}  // namespace kforge
