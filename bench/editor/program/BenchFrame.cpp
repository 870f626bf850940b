#include "BenchFrame.h"

#include "Gdi.h"

namespace kforge {

BenchFrame::~BenchFrame()
{
    if (Hwnd()) { DestroyWindow(Hwnd()); }
    if (font_) { DeleteObject(font_); }
}

bool BenchFrame::CreateMain(int width, int height)
{
    WindowSpec spec;
    spec.className = "KEditorBench";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    spec.title = kTitle;
    spec.rect = RECT{0, 0, width, height};
    if (!Create(spec)) { return false; }
    font_ = MakeFont("Tahoma", 8.25, false, false);
    status_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, 0, 0, 0, Hwnd(),
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!status_) { return false; }
    SendMessageA(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    PlaceStatus();
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
    return true;
}

int BenchFrame::StatusHeight() const { return TwipsToPixelsY(300); }

RECT BenchFrame::TextArea(int index, int count) const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int width = client.right / count;
    return RECT{index * width, 0, (index + 1) * width, client.bottom - StatusHeight()};
}

void BenchFrame::PlaceStatus()
{
    if (!status_) { return; }
    RECT client{};
    GetClientRect(Hwnd(), &client);
    MoveWindow(status_, 4, client.bottom - StatusHeight(), client.right - 8, StatusHeight(), TRUE);
}

void BenchFrame::SetStatus1(const std::string& text) { SetWindowTextA(status_, text.c_str()); }

LRESULT BenchFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SIZE) {
        PlaceStatus();
        return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
