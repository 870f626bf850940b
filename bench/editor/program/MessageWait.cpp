#include "MessageWait.h"

namespace kforge {

namespace {

// Dispatches what is queued; WM_PAINT comes last, when nothing else is.
// False on WM_QUIT.
bool DispatchQueued()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

}  // namespace

bool RunUntilIdle(const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (!DispatchQueued()) { return false; }
        if (done()) {
            GdiFlush();
            return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) { return false; }
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

bool RunUntilIdle(DWORD timeoutMs)
{
    return RunUntilIdle([] { return true; }, timeoutMs);
}

}  // namespace kforge
