#include "HelpPane.h"

#include <algorithm>

#include "Gdi.h"

namespace kforge {

namespace {

constexpr char kPictureResource[] = "HELP_IMAGE";
constexpr int kPictureMarginTwips = 100;
constexpr int kStripHeight = 24;
constexpr int kLabelLeft = 6;

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) { return SIZE{0, 0}; }
    return SIZE{info.bmWidth, info.bmHeight};
}

HWND MakeStatic(HWND parent, const char* text, DWORD style)
{
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

HelpPane::HelpPane(HWND parent, const RECT& rc) : font_(MakeFont("Tahoma", 8.25, false, false))
{
    WindowSpec spec;
    spec.className = "KHelpPane";
    spec.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.rect = rc;
    spec.parent = parent;
    if (!Create(spec)) { return; }
    CreateControls();
    SetPicture(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), kPictureResource, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

// The controls go before the font and the picture they show.
HelpPane::~HelpPane()
{
    if (HWND hwnd = Hwnd()) { DestroyWindow(hwnd); }
    DeleteObject(font_);
    if (picture_) { DeleteObject(picture_); }
}

void HelpPane::CreateControls()
{
    label_ = MakeStatic(Hwnd(), "Help Pane", SS_LEFT | SS_CENTERIMAGE);
    SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    line_ = MakeStatic(Hwnd(), "", SS_ETCHEDHORZ);
    image_ = MakeStatic(Hwnd(), "", SS_BITMAP | SS_REALSIZECONTROL);
}

void HelpPane::SetPicture(HBITMAP picture)
{
    SendMessageA(image_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    if (picture_ && picture_ != picture) { DeleteObject(picture_); }
    picture_ = picture;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    Layout(client.right);
}

// The picture's left edge in twips is the pane's width less the picture's
// width less the margin.
void HelpPane::Layout(int width)
{
    const SIZE picture = BitmapSize(picture_);
    const int twips = TwipsPerPixelX();
    const int left = TwipsToPixelsX(width * twips - picture.cx * twips - kPictureMarginTwips);
    MoveWindow(image_, left, (kStripHeight - picture.cy) / 2, picture.cx, picture.cy, TRUE);
    MoveWindow(label_, kLabelLeft, 0, std::max<int>(0, left - kLabelLeft), kStripHeight, TRUE);
    MoveWindow(line_, 0, kStripHeight, width, 2, TRUE);
}

LRESULT HelpPane::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SIZE) {
        Layout(LOWORD(lParam));
        return 0;
    }
    return Window::OnMessage(msg, wParam, lParam);
}

}  // namespace kforge
