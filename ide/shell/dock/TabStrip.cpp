#include "TabStrip.h"

#include <windowsx.h>

namespace kforge {

namespace {

constexpr int kPadding = 8;
constexpr int kCloseBox = 12;
constexpr int kGap = 2;

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

void DrawCross(HDC dc, RECT box)
{
    InflateRect(&box, -3, -3);
    HPEN pen = CreatePen(PS_SOLID, 2, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, box.left, box.top, nullptr);
    LineTo(dc, box.right, box.bottom);
    MoveToEx(dc, box.right, box.top, nullptr);
    LineTo(dc, box.left, box.bottom);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

bool TabStrip::Create(HWND parent)
{
    WindowSpec spec;
    spec.className = "KTabStrip";
    spec.classStyle = CS_HREDRAW | CS_VREDRAW;
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_CHILD | WS_CLIPSIBLINGS;
    spec.parent = parent;
    font_ = GuiFont();
    return Window::Create(spec);
}

void TabStrip::SetTabs(const std::vector<std::string>& captions, int current)
{
    captions_ = captions;
    current_ = current;
    Measure();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

RECT TabStrip::TabRect(int index) const
{
    return index >= 0 && index < static_cast<int>(rects_.size()) ? rects_[index] : RECT{};
}

RECT TabStrip::CloseBoxRect(int index) const
{
    const RECT tab = TabRect(index);
    if (!closeBoxes_ || IsRectEmpty(&tab)) { return RECT{}; }
    const int top = (tab.top + tab.bottom - kCloseBox) / 2;
    return RECT{tab.right - kPadding / 2 - kCloseBox, top, tab.right - kPadding / 2, top + kCloseBox};
}

void TabStrip::Measure()
{
    rects_.clear();
    HDC dc = GetDC(Hwnd());
    HGDIOBJ old = SelectObject(dc, font_);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    int left = kGap;
    for (const std::string& caption : captions_) {
        SIZE size{};
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        const int width = size.cx + 2 * kPadding + (closeBoxes_ ? kCloseBox + kPadding / 2 : 0);
        rects_.push_back(RECT{left, 2, left + width, client.bottom});
        left += width + kGap;
    }
    SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
}

void TabStrip::Paint(HDC dc)
{
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < Count(); ++i) {
        RECT tab = rects_[i];
        const bool current = i == current_;
        FillRect(dc, &tab, GetSysColorBrush(current ? COLOR_WINDOW : COLOR_BTNFACE));
        DrawEdge(dc, &tab, current ? EDGE_RAISED : BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_RIGHT);
        RECT text = tab;
        text.left += kPadding;
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(dc, captions_[i].c_str(), static_cast<int>(captions_[i].size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        if (closeBoxes_) { DrawCross(dc, CloseBoxRect(i)); }
    }
    SelectObject(dc, oldFont);
}

int TabStrip::TabAt(POINT point) const
{
    for (int i = 0; i < Count(); ++i) {
        if (PtInRect(&rects_[i], point)) { return i; }
    }
    return -1;
}

void TabStrip::OnLeftButton(POINT point)
{
    const int index = TabAt(point);
    if (index < 0) { return; }
    const RECT box = CloseBoxRect(index);
    if (PtInRect(&box, point)) {
        if (onClose) { onClose(index); }
    } else if (index != current_ && onSelect) {
        onSelect(index);
    }
}

LRESULT TabStrip::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Hwnd(), &ps);
            Paint(dc);
            EndPaint(Hwnd(), &ps);
            return 0;
        }
        case WM_SIZE:
            Measure();
            return 0;
        case WM_LBUTTONDOWN:
            OnLeftButton(point);
            return 0;
        case WM_MBUTTONUP: {
            const int index = TabAt(point);
            if (closeBoxes_ && index >= 0 && onClose) { onClose(index); }
            return 0;
        }
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
