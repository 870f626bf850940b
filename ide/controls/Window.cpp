#include "Window.h"

#include "Boundary.h"
#include "MessagePump.h"

namespace kforge {

Window::~Window()
{
    *alive_ = false;
    if (HWND hwnd = hwnd_) {
        Unbind();
        DestroyWindow(hwnd);
    }
}

bool Window::LetMessagesRun(int times) const
{
    const std::shared_ptr<bool> alive = alive_;  // the object may end in the pump
    for (int i = 0; i < times && *alive; ++i) { PumpPendingMessages(); }
    return *alive;
}

bool Window::Create(const WindowSpec& spec)
{
    if (hwnd_ || !RegisterOnce(spec)) { return false; }
    alive_ = std::make_shared<bool>(true);
    const RECT& rc = spec.rect;
    HWND hwnd = CreateWindowExA(spec.exStyle, spec.className.c_str(), spec.title.c_str(), spec.style, rc.left,
                                rc.top, rc.right - rc.left, rc.bottom - rc.top, spec.parent, spec.menuOrId,
                                GetModuleHandleA(nullptr), this);
    if (!hwnd) { *alive_ = false; }
    return hwnd != nullptr;
}

bool Window::RegisterOnce(const WindowSpec& spec)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, spec.className.c_str(), &existing)) { return true; }
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = spec.classStyle;
    windowClass.lpfnWndProc = DispatchProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = spec.background;
    windowClass.lpszClassName = spec.className.c_str();
    return RegisterClassExA(&windowClass) != 0;
}

LRESULT Window::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void Window::Bind(HWND hwnd)
{
    hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Window::Unbind()
{
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    *alive_ = false;
}

LRESULT CALLBACK Window::DispatchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (auto* self = static_cast<Window*>(create->lpCreateParams)) { self->Bind(hwnd); }
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) { return DefWindowProcA(hwnd, msg, wParam, lParam); }
    LRESULT result = CallGuarded([&] { return self->OnMessage(msg, wParam, lParam); },
                                 [&] { return DefWindowProcA(hwnd, msg, wParam, lParam); });
    if (msg == WM_NCDESTROY && self->hwnd_ == hwnd) { self->Unbind(); }
    return result;
}

}  // namespace kforge
