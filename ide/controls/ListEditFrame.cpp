#include "ListEditFrame.h"

#include <vector>

namespace kforge {

namespace {

constexpr int kEditNarrower = 2;  // pixels less than the frame's inner width
constexpr int kEditId = 1;

}  // namespace

ListEditFrame::ListEditFrame(HWND parent)
{
    WindowSpec spec;
    spec.className = "KListEditFrame";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    spec.style = WS_CHILD | WS_BORDER | WS_CLIPCHILDREN;
    spec.parent = parent;
    if (!Create(spec)) { return; }
    edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0, Hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleA(nullptr),
                            nullptr);
}

void ListEditFrame::SetFont(HFONT font)
{
    font_ = font;
    if (edit_) { SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
    ArrangeEdit();
}

std::string ListEditFrame::Text() const
{
    if (!edit_) { return std::string(); }
    std::vector<char> buffer(static_cast<size_t>(GetWindowTextLengthA(edit_)) + 1, '\0');
    GetWindowTextA(edit_, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

void ListEditFrame::SetText(const std::string& text)
{
    if (edit_) { SetWindowTextA(edit_, text.c_str()); }
}

void ListEditFrame::Place(const RECT& rc)
{
    if (Hwnd()) { MoveWindow(Hwnd(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE); }
}

void ListEditFrame::ShowAndFocus()
{
    if (!Hwnd()) { return; }
    SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (!edit_) { return; }
    SetFocus(edit_);
    SendMessageA(edit_, EM_SETSEL, 0, -1);
}

void ListEditFrame::Hide()
{
    if (Hwnd()) { ShowWindow(Hwnd(), SW_HIDE); }
}

bool ListEditFrame::Visible() const { return Hwnd() && IsWindowVisible(Hwnd()); }

// The edit box is as tall as a line of its font, centred in the frame.
void ListEditFrame::ArrangeEdit()
{
    if (!edit_) { return; }
    RECT client{};
    GetClientRect(Hwnd(), &client);
    int lineHeight = client.bottom;
    if (HDC dc = GetDC(edit_)) {
        HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
        TEXTMETRICA metrics{};
        if (GetTextMetricsA(dc, &metrics)) { lineHeight = metrics.tmHeight; }
        if (old) { SelectObject(dc, old); }
        ReleaseDC(edit_, dc);
    }
    if (lineHeight > client.bottom) { lineHeight = client.bottom; }
    const int width = client.right > kEditNarrower ? client.right - kEditNarrower : 0;
    MoveWindow(edit_, 0, (client.bottom - lineHeight) / 2, width, lineHeight, TRUE);
}

LRESULT ListEditFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_SIZE:
            ArrangeEdit();
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == edit_ && edit_) {
                if (HIWORD(wParam) == EN_SETFOCUS) { SendMessageA(edit_, EM_SETSEL, 0, -1); }
                if (HIWORD(wParam) == EN_KILLFOCUS && onFocusLost) { onFocusLost(); }
                return 0;
            }
            break;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
