#include "TestWindow.h"

namespace kforge::test {

namespace {
constexpr char kClassName[] = "KTestTarget";
}

TestWindow::TestWindow()
{
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExA(&windowClass) != 0;
    }();
    if (registered) {
        hwnd_ = CreateWindowExA(0, kClassName, "target", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), this);
    }
}

TestWindow::~TestWindow() { Destroy(); }

void TestWindow::Destroy()
{
    if (hwnd_) { DestroyWindow(hwnd_); }
}

LRESULT CALLBACK TestWindow::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && (msg >= kProbe || msg == WM_NCDESTROY)) { self->received_.push_back(msg); }
    if (self && msg == WM_NCDESTROY) {
        self->hwnd_ = nullptr;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    }
    if (msg >= kProbe) { return ProbeResult(msg, wParam); }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace kforge::test
