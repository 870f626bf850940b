#include "TabStrip.h"

#include <windowsx.h>

#include <algorithm>

namespace kforge {

namespace {

constexpr int kPadding = 8;
constexpr int kCloseBox = 12;
constexpr int kGap = 2;
constexpr int kArrowWidth = 16;

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

void AnswerPaint(HWND hwnd, const std::function<void(HDC)>& paint)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    paint(dc);
    EndPaint(hwnd, &ps);
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
    first_ = std::min(first_, std::max(0, Count() - 1));
    ScrollToCurrent();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

RECT TabStrip::TabRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(rects_.size())) { return RECT{}; }
    RECT shown = rects_[index];
    shown.right = std::min<LONG>(shown.right, TabsRight());
    return shown.right > shown.left ? shown : RECT{};
}

RECT TabStrip::ScrollArrowRect(bool towardsEnd) const
{
    if (!overflows_) { return RECT{}; }
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int left = client.right - (towardsEnd ? 1 : 2) * kArrowWidth;
    return RECT{left, 2, left + kArrowWidth, client.bottom};
}

int TabStrip::TabsRight() const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    return overflows_ ? client.right - 2 * kArrowWidth - kGap : client.right;
}

bool TabStrip::LastTabShowsWhole() const { return rects_.empty() || rects_.back().right <= TabsRight(); }

void TabStrip::ScrollToCurrent()
{
    // No room left unused at the right while tabs are scrolled off at the left.
    while (first_ > 0) {
        --first_;
        Measure();
        if (!LastTabShowsWhole()) {
            ++first_;
            break;
        }
    }
    Measure();
    if (current_ < 0 || current_ >= Count()) { return; }
    if (current_ < first_) {
        first_ = current_;
        Measure();
    }
    while (first_ < current_ && rects_[current_].right > TabsRight()) {
        ++first_;
        Measure();
    }
}

void TabStrip::Scroll(int by)
{
    const int next = first_ + by;
    if (next < 0 || next >= Count() || (by > 0 && LastTabShowsWhole())) { return; }
    first_ = next;
    Measure();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

RECT TabStrip::CloseBoxRect(int index) const
{
    const RECT shown = TabRect(index);
    if (!closeBoxes_ || IsRectEmpty(&shown)) { return RECT{}; }
    const RECT& tab = rects_[index];
    const int top = (tab.top + tab.bottom - kCloseBox) / 2;
    const RECT box{tab.right - kPadding / 2 - kCloseBox, top, tab.right - kPadding / 2, top + kCloseBox};
    return box.right <= TabsRight() ? box : RECT{};
}

void TabStrip::Measure()
{
    rects_.clear();
    HDC dc = GetDC(Hwnd());
    HGDIOBJ old = SelectObject(dc, font_);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    int left = kGap;
    for (int i = 0; i < Count(); ++i) {
        if (i < first_) {
            rects_.push_back(RECT{});
            continue;
        }
        const std::string& caption = captions_[i];
        SIZE size{};
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        const int width = size.cx + 2 * kPadding + (closeBoxes_ ? kCloseBox + kPadding / 2 : 0);
        rects_.push_back(RECT{left, 2, left + width, client.bottom});
        left += width + kGap;
    }
    SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
    overflows_ = first_ > 0 || left - kGap > client.right;
}

void TabStrip::Paint(HDC dc)
{
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    const int saved = SaveDC(dc);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    IntersectClipRect(dc, 0, 0, TabsRight(), client.bottom);
    for (int i = first_; i < Count(); ++i) {
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
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
    PaintArrows(dc);
}

void TabStrip::PaintArrows(HDC dc)
{
    if (!overflows_) { return; }
    RECT towardsFirst = ScrollArrowRect(false);
    RECT towardsEnd = ScrollArrowRect(true);
    DrawFrameControl(dc, &towardsFirst, DFC_SCROLL, DFCS_SCROLLLEFT | (first_ > 0 ? 0 : DFCS_INACTIVE));
    DrawFrameControl(dc, &towardsEnd, DFC_SCROLL,
                     DFCS_SCROLLRIGHT | (LastTabShowsWhole() ? DFCS_INACTIVE : 0));
}

int TabStrip::TabAt(POINT point) const
{
    for (int i = first_; i < Count(); ++i) {
        const RECT shown = TabRect(i);
        if (PtInRect(&shown, point)) { return i; }
    }
    return -1;
}

void TabStrip::OnLeftButton(POINT point)
{
    for (const bool towardsEnd : {false, true}) {
        const RECT arrow = ScrollArrowRect(towardsEnd);
        if (PtInRect(&arrow, point)) {
            Scroll(towardsEnd ? 1 : -1);
            return;
        }
    }
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
        case WM_PAINT:
            AnswerPaint(Hwnd(), [this](HDC dc) { Paint(dc); });
            return 0;
        case WM_SIZE:
            ScrollToCurrent();
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
