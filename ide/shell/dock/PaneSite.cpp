#include "PaneSite.h"

#include <windowsx.h>

namespace kforge {

namespace {

constexpr int kCaptionHeight = 20;
constexpr int kCloseBox = 14;

}  // namespace

void AdoptChild(HWND hwnd, HWND parent)
{
    if (!hwnd || GetParent(hwnd) == parent) { return; }
    LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX |
                                    WS_MAXIMIZEBOX);
    SetWindowLongPtrA(hwnd, GWL_STYLE, style | WS_CHILD | WS_CLIPSIBLINGS);
    SetParent(hwnd, parent);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

bool PaneSite::Create(HWND parent)
{
    WindowSpec spec;
    spec.className = "KDockSite";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    spec.parent = parent;
    if (!Window::Create(spec) || !tabs_.Create(Hwnd())) { return false; }
    tabs_.onSelect = [this](int index) {
        if (onSelectPane && index < static_cast<int>(panes_.size())) { onSelectPane(*panes_[index]); }
    };
    return true;
}

Pane* PaneSite::Shown() const
{
    return current_ >= 0 && current_ < static_cast<int>(panes_.size()) ? panes_[current_] : nullptr;
}

void PaneSite::SetPanes(const std::vector<Pane*>& panes, int current)
{
    panes_ = panes;
    current_ = current;
    std::vector<std::string> captions;
    for (Pane* pane : panes_) {
        captions.push_back(pane->Caption());
        AdoptChild(pane->Hosted(), Hwnd());
        if (pane != Shown() && pane->Hosted()) { ShowWindow(pane->Hosted(), SW_HIDE); }
    }
    tabs_.SetTabs(captions, current_);
    Layout();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

RECT PaneSite::CloseBoxRect() const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int top = (kCaptionHeight - kCloseBox) / 2;
    return RECT{client.right - kCloseBox - 3, top, client.right - 3, top + kCloseBox};
}

RECT PaneSite::TabRect(int index) const
{
    RECT tab = tabs_.TabRect(index);
    MapWindowPoints(tabs_.Hwnd(), Hwnd(), reinterpret_cast<POINT*>(&tab), 2);
    return tab;
}

void PaneSite::Layout()
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const bool tabbed = panes_.size() > 1;
    const int tabsHeight = tabbed ? TabStrip::PreferredHeight() : 0;
    MoveWindow(tabs_.Hwnd(), 0, client.bottom - tabsHeight, client.right, tabsHeight, TRUE);
    ShowWindow(tabs_.Hwnd(), tabbed ? SW_SHOWNA : SW_HIDE);
    if (Pane* shown = Shown(); shown && shown->Hosted()) {
        MoveWindow(shown->Hosted(), 1, kCaptionHeight, client.right - 2,
                   client.bottom - kCaptionHeight - tabsHeight - 1, TRUE);
        ShowWindow(shown->Hosted(), SW_SHOWNA);
    }
}

void PaneSite::Paint(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    RECT caption{0, 0, client.right, kCaptionHeight};
    FillRect(dc, &caption, GetSysColorBrush(COLOR_INACTIVECAPTION));
    DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
    Pane* shown = Shown();
    if (!shown) { return; }
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    RECT text = caption;
    text.left += 6;
    DrawTextA(dc, shown->Caption().c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DrawCross(dc, CloseBoxRect());
}

LRESULT PaneSite::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_PAINT:
            AnswerPaint(Hwnd(), [this](HDC dc) { Paint(dc); });
            return 0;
        case WM_SIZE:
            Layout();
            InvalidateRect(Hwnd(), nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN: {
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const RECT box = CloseBoxRect();
            if (Pane* shown = Shown(); shown && PtInRect(&box, point) && onClosePane) { onClosePane(*shown); }
            return 0;
        }
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
