#include "ButtonXP.h"

#include "Gdi.h"

namespace kforge {

namespace {

// Calls an event handler that is set. A copy runs, so that the handler may
// replace itself.
template<typename Handler, typename... Args> void Raise(const Handler& handler, Args... args)
{
    Handler copy = handler;
    if (copy) copy(args...);
}

int ClientWidth(HWND hwnd)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return rc.right - rc.left;
}

}  // namespace

ButtonXP::ButtonXP(HWND parent, int id, const RECT& rc, int style)
{
    properties_.style = style;
    background_ = ResolveColor(properties_.backColor);
    WindowSpec spec;
    spec.className = "KButtonXP";
    // Redrawn whole on every resize; no double clicks, so that a quick
    // second click arrives as a press.
    spec.classStyle = CS_HREDRAW | CS_VREDRAW;
    spec.style = WS_CHILD | WS_VISIBLE;
    spec.rect = rc;
    spec.parent = parent;
    spec.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!Create(spec)) return;
    ApplySizeRule();
    Redraw(kStateNormal);
}

void ButtonXP::Changed(const char* name)
{
    PropertyChanged(name);
    Redraw(kStateNormal);
}

void ButtonXP::SetCaption(const std::string& newValue) { Assign(properties_.caption, newValue, "Caption"); }

void ButtonXP::SetChecked(bool newValue) { Assign(properties_.checked, newValue, "Checked"); }

void ButtonXP::SetCheckedColor(std::uint32_t newValue)
{
    Assign(properties_.checkedColor, newValue, "CheckedColor");
}

void ButtonXP::SetTextOffset(std::int32_t newValue)
{
    Assign(properties_.textOffset, newValue, "TextOffset");
}

void ButtonXP::SetImagePosition(std::int32_t newValue)
{
    Assign(properties_.imagePosition, newValue, "ImagePosition");
}

void ButtonXP::SetStyle(std::int32_t newValue)
{
    properties_.style = newValue;
    ApplySizeRule();
    Changed("Style");
}

void ButtonXP::SetEnabled(bool newValue)
{
    properties_.enabled = newValue;
    if (Hwnd()) EnableWindow(Hwnd(), newValue);
    Changed("Enabled");
}

void ButtonXP::SetButtonIcon(const ButtonPicture& newValue)
{
    Assign(properties_.buttonIcon, newValue, "ButtonIcon");
}

void ButtonXP::SetButtonIcon(HICON newValue) { SetButtonIcon(ButtonXPPainter::PictureFromIcon(newValue)); }

void ButtonXP::SetButtonIcon(HBITMAP newValue)
{
    SetButtonIcon(ButtonXPPainter::PictureFromBitmap(newValue));
}

void ButtonXP::SetHighlightBackColor(std::uint32_t newValue)
{
    Assign(properties_.highlightBackColor, newValue, "HighlightBackColor");
}

void ButtonXP::SetPressColor(std::uint32_t newValue)
{
    Assign(properties_.pressColor, newValue, "PressColor");
}

void ButtonXP::SetHighlightBorderColor(std::uint32_t newValue)
{
    Assign(properties_.highlightBorderColor, newValue, "HighlightBorderColor");
}

void ButtonXP::SetBackColor(std::uint32_t newValue)
{
    properties_.backColor = newValue;
    background_ = ResolveColor(newValue);
    Changed("BackColor");
}

void ButtonXP::SetImageDisplacement(std::int16_t newValue)
{
    Assign(properties_.imageDisplacement, newValue, "ImageDisplacement");
}

void ButtonXP::ReadProperties(const PropertyBag& bag)
{
    properties_ = ButtonXPProperties::ReadFrom(bag);
    for (const char* name : {"HighlightBorderColor", "HighlightBackColor", "PressColor"})
        PropertyChanged(name);
    background_ = ResolveColor(properties_.backColor);
    if (Hwnd()) EnableWindow(Hwnd(), properties_.enabled);
    ApplySizeRule();
    Redraw(kStateNormal);
}

void ButtonXP::WriteProperties(PropertyBag& bag) const { properties_.WriteTo(bag); }

void ButtonXP::Redraw(int state)
{
    if (!Hwnd()) return;
    const ButtonXPLook look = LookFor(properties_, state);
    background_ = ResolveColor(look.windowBackground);
    painter_.Paint(Hwnd(), look, properties_);
}

void ButtonXP::ApplySizeRule()
{
    if (!Hwnd() || sizing_) return;
    RECT rc{};
    GetWindowRect(Hwnd(), &rc);
    const PixelSize current{rc.right - rc.left, rc.bottom - rc.top};
    const PixelSize wanted = SizeForStyle(properties_.style, current);
    if (wanted == current) return;
    sizing_ = true;
    SetWindowPos(Hwnd(), nullptr, 0, 0, wanted.width, wanted.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    sizing_ = false;
}

LRESULT ButtonXP::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(Hwnd(), &paint);
            EndPaint(Hwnd(), &paint);
            Redraw(kStateNormal);
            return 0;
        }
        case WM_ERASEBKGND:
            EraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_SIZE:
            ApplySizeRule();
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(wParam);
            return 0;
        case WM_TIMER:
            OnHoverTick();
            return 0;
        case WM_LBUTTONDOWN:
            OnButtonDown(lParam);
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(lParam);
            return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

void ButtonXP::EraseBackground(HDC dc) const
{
    RECT rc{};
    GetClientRect(Hwnd(), &rc);
    if (HBRUSH brush = CreateSolidBrush(background_)) {
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
    }
}

void ButtonXP::OnButtonDown(LPARAM lParam)
{
    const PixelPoint cursor = CursorFromPosition(lParam);
    Redraw(kStatePressed);
    auto alive = AliveToken();
    Raise(onMouseDown, cursor.x, cursor.y);
    if (!*alive) return;
    pressed_ = true;
}

void ButtonXP::OnButtonUp(LPARAM lParam)
{
    const PixelPoint cursor = CursorFromPosition(lParam);
    arrow_ = InArrowStrip(cursor.x, ClientWidth(Hwnd()));
    Redraw(kStateHot);
    auto alive = AliveToken();
    Raise(onMouseUp, cursor.x, cursor.y);
    if (!*alive) return;
    const bool menuClick = pressed_ && properties_.style == 2 && arrow_;
    Raise(menuClick ? onMenuClick : onClick);
    if (!*alive) return;
    pressed_ = false;
}

void ButtonXP::OnShowWindow(WPARAM shown)
{
    if (shown == 1) {
        SetTimer(Hwnd(), kHoverTimer, kHoverMilliseconds, nullptr);
        hover_ = false;
        Redraw(kStateNormal);
    } else if (shown == 0) {
        KillTimer(Hwnd(), kHoverTimer);
    }
}

// The timer's identifier is not looked at: the button runs only this one.
void ButtonXP::OnHoverTick()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    const bool over = WindowFromPoint(cursor) == Hwnd();
    if (over == hover_) return;
    hover_ = over;
    Redraw(over ? kStateHot : kStateNormal);
}

}  // namespace kforge
