#include "ToolBar.h"

#include <vector>

#include "DockMenus.h"

namespace kforge {

namespace {

constexpr int kComboWidth = 130;
constexpr int kComboDropHeight = 120;
constexpr const char* kStripName = "TOOLSTRIP";
constexpr int kPictureSize = 16;
constexpr COLORREF kStripMask = RGB(255, 0, 255);

// The strip's pixels, top-down rows of 32-bit BGRX; empty when it cannot be read.
std::vector<RGBQUAD> StripPixels(HBITMAP strip, BITMAPINFO& info)
{
    BITMAP shape{};
    if (!GetObjectA(strip, sizeof shape, &shape)) { return {}; }
    info = BITMAPINFO{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shape.bmWidth;
    info.bmiHeader.biHeight = -shape.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(shape.bmWidth) * static_cast<size_t>(shape.bmHeight));
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, strip, 0, static_cast<UINT>(shape.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == shape.bmHeight ? pixels : std::vector<RGBQUAD>{};
}

// The strip washed out: every picture pixel a light grey of its brightness,
// the mask colour kept.
HBITMAP DisabledStrip(HBITMAP strip)
{
    BITMAPINFO info{};
    std::vector<RGBQUAD> pixels = StripPixels(strip, info);
    if (pixels.empty()) { return nullptr; }
    for (RGBQUAD& pixel : pixels) {
        if (RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue) == kStripMask) { continue; }
        const int brightness = (pixel.rgbRed * 30 + pixel.rgbGreen * 59 + pixel.rgbBlue * 11) / 100;
        const auto grey = static_cast<BYTE>(128 + brightness * 88 / 255);
        pixel.rgbRed = pixel.rgbGreen = pixel.rgbBlue = grey;
    }
    HDC screen = GetDC(nullptr);
    HBITMAP washed = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return washed;
}

// A list of the strip's pictures, masked on the strip's magenta.
HIMAGELIST MaskedList(HBITMAP strip)
{
    if (!strip) { return nullptr; }
    BITMAP shape{};
    GetObjectA(strip, sizeof shape, &shape);
    const int count = shape.bmWidth / kPictureSize;
    HIMAGELIST list = ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR24 | ILC_MASK, count, 0);
    if (list && ImageList_AddMasked(list, strip, kStripMask) < 0) {
        ImageList_Destroy(list);
        list = nullptr;
    }
    return list;
}

}  // namespace

ToolBar::~ToolBar()
{
    // The bar goes before the lists it draws from.
    if (IsWindow(toolBar_)) { DestroyWindow(toolBar_); }
    if (pictures_) { ImageList_Destroy(pictures_); }
    if (disabledPictures_) { ImageList_Destroy(disabledPictures_); }
}

bool ToolBar::Create(HWND parent, const std::function<UINT(const std::string&)>& idOf)
{
    toolBar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST |
                                   TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                               0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!toolBar_) { return false; }
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolBar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    return SetPictures() && AddButtons(idOf);
}

bool ToolBar::SetPictures()
{
    auto* strip = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), kStripName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip) { return false; }
    HBITMAP washed = DisabledStrip(strip);
    pictures_ = MaskedList(strip);
    disabledPictures_ = MaskedList(washed);
    DeleteObject(strip);  // the lists hold copies
    if (washed) { DeleteObject(washed); }
    if (!pictures_ || !disabledPictures_) { return false; }
    SendMessageA(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures_));
    SendMessageA(toolBar_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledPictures_));
    return true;
}

bool ToolBar::AddButtons(const std::function<UINT(const std::string&)>& idOf)
{
    const std::vector<ToolButtonSpec>& specs = ToolBarSpec();
    int comboIndex = -1;
    for (const ToolButtonSpec& spec : specs) {
        TBBUTTON button{};
        button.fsState = TBSTATE_ENABLED;
        switch (spec.kind) {
            case ToolButtonKind::Separator:
                button.fsStyle = BTNS_SEP;
                break;
            case ToolButtonKind::Combo:
                button.fsStyle = BTNS_SEP;
                button.iBitmap = kComboWidth;  // a separator's width
                button.idCommand = static_cast<int>(idOf(spec.key));
                comboIndex = static_cast<int>(SendMessageA(toolBar_, TB_BUTTONCOUNT, 0, 0));
                break;
            case ToolButtonKind::Button:
                button.idCommand = static_cast<int>(idOf(spec.key));
                button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
                button.iBitmap = spec.picture;
                button.iString = reinterpret_cast<INT_PTR>(spec.caption.c_str());  // the tip
                break;
        }
        if (!SendMessageA(toolBar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button))) { return false; }
    }
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    return comboIndex < 0 || CreateCombo(comboIndex);
}

bool ToolBar::CreateCombo(int buttonIndex)
{
    RECT slot{};
    SendMessageA(toolBar_, TB_GETITEMRECT, buttonIndex, reinterpret_cast<LPARAM>(&slot));
    combo_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                             slot.left, slot.top + 1, kComboWidth, kComboDropHeight, toolBar_, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (!combo_) { return false; }
    SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (const std::string& page : BuildPages()) {
        SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page.c_str()));
    }
    SendMessageA(combo_, CB_SETCURSEL, 0, 0);
    return true;
}

int ToolBar::Height() const
{
    RECT rc{};
    SendMessageA(toolBar_, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc));
    return rc.bottom + 2;
}

void ToolBar::SetButton(UINT id, bool enabled, bool checked)
{
    if (SendMessageA(toolBar_, TB_COMMANDTOINDEX, id, 0) < 0) { return; }
    const LPARAM state = (enabled ? TBSTATE_ENABLED : 0) | (checked ? TBSTATE_CHECKED : 0);
    SendMessageA(toolBar_, TB_SETSTATE, id, MAKELPARAM(state, 0));
}

RECT ToolBar::ButtonRect(UINT id) const
{
    RECT rc{};
    SendMessageA(toolBar_, TB_GETRECT, id, reinterpret_cast<LPARAM>(&rc));
    return rc;
}

std::string ToolBar::ComboText() const
{
    const LRESULT index = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) { return ""; }
    const LRESULT length = SendMessageA(combo_, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) { return ""; }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool ToolBar::SelectComboText(const std::string& text)
{
    const LRESULT index = SendMessageA(combo_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR) { return false; }
    SendMessageA(combo_, CB_SETCURSEL, index, 0);
    return true;
}

}  // namespace kforge
