#include "FlatCtl.h"

#include <initializer_list>
#include <string>

#include "Gdi.h"

namespace kforge {

namespace {

// The system colours of the frame, as OLE colours.
constexpr std::uint32_t kButtonFace = 0x80000000u + COLOR_BTNFACE;
constexpr std::uint32_t kButtonShadow = 0x80000000u + COLOR_BTNSHADOW;
constexpr std::uint32_t kHighlight = 0x80000000u + COLOR_3DHILIGHT;

// Bit 0x2 of a control's style marks a combo box that drops down (and is
// ES_RIGHT of an edit, part of SS_WHITERECT of a static: decorated edits
// and panels do not carry it).
constexpr LONG_PTR kDropDownStyleBit = 0x2;
constexpr int kFrameBand = 2;  // pixels the frame takes outside an edit or a panel

// The messages and the table each is registered in.
struct Registration {
    UINT msg;
    int when;
};
constexpr Registration kMessages[] = {
    {WM_PAINT, Subclasser::kAfter},      {WM_NCPAINT, Subclasser::kAfter},
    {WM_SETFOCUS, Subclasser::kBefore},  {WM_KILLFOCUS, Subclasser::kBefore},
    {WM_MOUSEMOVE, Subclasser::kBefore}, {WM_TIMER, Subclasser::kBefore},
};
constexpr Registration kComboMessage = {WM_COMMAND, Subclasser::kBefore};

void Line(HDC dc, std::uint32_t colour, std::initializer_list<POINT> points, bool moveFirst)
{
    HPEN pen = CreatePen(PS_SOLID, 1, ResolveColor(colour));
    HGDIOBJ previous = pen ? SelectObject(dc, pen) : nullptr;
    bool first = moveFirst;
    for (const POINT& point : points) {
        if (first) {
            MoveToEx(dc, point.x, point.y, nullptr);
        } else {
            LineTo(dc, point.x, point.y);
        }
        first = false;
    }
    if (previous) SelectObject(dc, previous);
    if (pen) DeleteObject(pen);
}

// One ring: colour a on the left and top edges, b on the right and bottom.
void Frame(HDC dc, const RECT& rc, std::uint32_t a, std::uint32_t b)
{
    Line(dc, a, {{rc.left, rc.bottom - 1}, {rc.left, rc.top}, {rc.right - 1, rc.top}}, true);
    if (rc.left != rc.right) Line(dc, b, {{rc.right - 1, rc.bottom - 1}, {rc.left, rc.bottom - 1}}, false);
}

void Frame(HDC dc, const RECT& rc, std::uint32_t colour) { Frame(dc, rc, colour, colour); }

void Shrink(RECT& rc) { InflateRect(&rc, -1, -1); }

LONG_PTR StyleOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_STYLE); }

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

RECT RectInParent(HWND hwnd)
{
    RECT rc{};
    GetWindowRect(hwnd, &rc);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

}  // namespace

FlatCtl::~FlatCtl()
{
    Release();
    subclasser_.UnSubclass();
}

bool FlatCtl::Attach(HWND control)
{
    Release();
    subclasser_.UnSubclass();
    if (!control || !IsWindow(control) || !subclasser_.Subclass(control, this)) return false;
    drawn_ = control;
    comboLook_ = ClassOf(control) == "ComboBox" || (StyleOf(control) & kDropDownStyleBit) != 0;
    if (!comboLook_) MakeRoomForFrame();
    if (StyleOf(drawn_) & kDropDownStyleBit) editChild_ = GetWindow(drawn_, GW_CHILD);
    for (const Registration& registration : kMessages)
        subclasser_.AddMsg(registration.msg, registration.when);
    if (comboLook_) subclasser_.AddMsg(kComboMessage.msg, kComboMessage.when);
    attached_ = true;
    return true;
}

void FlatCtl::MakeRoomForFrame() const
{
    const RECT rc = RectInParent(drawn_);
    MoveWindow(drawn_, rc.left + kFrameBand, rc.top + kFrameBand, rc.right - rc.left - 2 * kFrameBand,
               rc.bottom - rc.top - 2 * kFrameBand, TRUE);
}

void FlatCtl::Release()
{
    if (attached_) {
        StopHover();
        for (const Registration& registration : kMessages)
            subclasser_.DelMsg(registration.msg, registration.when);
        if (comboLook_) subclasser_.DelMsg(kComboMessage.msg, kComboMessage.when);
        attached_ = false;
    }
    drawn_ = nullptr;
    editChild_ = nullptr;
}

bool FlatCtl::DroppedDown() const
{
    return comboLook_ && drawn_ && SendMessageA(drawn_, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool FlatCtl::HasFocus() const
{
    HWND focus = GetFocus();
    return focus && (focus == drawn_ || focus == editChild_);
}

void FlatCtl::StopHover()
{
    if (drawn_) KillTimer(drawn_, kHoverTimer);
    mouseOver_ = false;
}

void FlatCtl::HoverCheck()
{
    POINT cursor{};
    RECT rc{};
    GetCursorPos(&cursor);
    GetWindowRect(drawn_, &rc);
    if (PtInRect(&rc, cursor)) return;
    StopHover();
    Redraw();
}

void FlatCtl::SubclassBefore(bool& handled, LRESULT&, HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    handled = false;
    if (!drawn_) return;
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!mouseOver_ && !HasFocus() && !DroppedDown()) {
                Redraw();
                mouseOver_ = true;
                SetTimer(drawn_, kHoverTimer, kHoverMilliseconds, nullptr);
            }
            break;
        case WM_TIMER:
            HoverCheck();
            break;
        case WM_SETFOCUS:
            Redraw();
            StopHover();
            break;
        case WM_KILLFOCUS:
            Redraw();
            break;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == drawn_) {
                if (HIWORD(wParam) == CBN_CLOSEUP) Redraw();
                StopHover();
            }
            break;
    }
}

void FlatCtl::SubclassAfter(LRESULT&, HWND, UINT msg, WPARAM, LPARAM)
{
    if (!drawn_ || (msg != WM_PAINT && msg != WM_NCPAINT)) return;
    Redraw();
    if (msg == WM_PAINT && (HasFocus() || DroppedDown())) StopHover();
}

void FlatCtl::Redraw() const
{
    if (!drawn_) return;
    if (comboLook_) {
        DrawComboFrame();
    } else {
        DrawControlFrame();
    }
}

// The two outer rings lie outside the control, on the parent; the three
// inner ones over the control's own edge are drawn on the control's window
// surface, which a parent with WS_CLIPCHILDREN could not paint.
void FlatCtl::DrawControlFrame() const
{
    const bool enabled = IsWindowEnabled(drawn_) != FALSE;
    HWND parent = GetParent(drawn_);
    RECT rc = RectInParent(drawn_);
    InflateRect(&rc, kFrameBand, kFrameBand);
    if (HDC dc = GetDC(parent)) {
        Frame(dc, rc, kButtonShadow, kHighlight);
        Shrink(rc);
        Frame(dc, rc, enabled ? kButtonFace : kHighlight);
        ReleaseDC(parent, dc);
    }
    if (!enabled) return;
    RECT window{};
    GetWindowRect(drawn_, &window);
    RECT inner{0, 0, window.right - window.left, window.bottom - window.top};
    if (HDC dc = GetWindowDC(drawn_)) {
        for (int ring = 0; ring < 3; ++ring, Shrink(inner)) Frame(dc, inner, kHighlight);
        ReleaseDC(drawn_, dc);
    }
}

void FlatCtl::DrawComboFrame() const
{
    const bool enabled = IsWindowEnabled(drawn_) != FALSE;
    HDC dc = GetDC(drawn_);
    if (!dc) return;
    RECT rc{};
    GetClientRect(drawn_, &rc);
    Frame(dc, rc, kButtonShadow, kHighlight);
    Shrink(rc);
    Frame(dc, rc, enabled ? kButtonFace : kHighlight);
    // The drop-down button area at the right.
    Shrink(rc);
    rc.left = rc.right - GetSystemMetrics(SM_CXHTHUMB);
    Frame(dc, rc, kButtonFace);
    Shrink(rc);
    Frame(dc, rc, kButtonFace);
    if (enabled) {
        rc.top -= 1;
        rc.bottom += 1;
        rc.right += 1;
        Frame(dc, rc, kHighlight, kButtonShadow);
    }
    ReleaseDC(drawn_, dc);
}

}  // namespace kforge
