#include "ButtonXPLook.h"

namespace kforge {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGreyText = 0x808080;
constexpr int kCaptionGap = 20;  // the caption starts TextOffset + 20 pixels from the left
constexpr int kCaptionTop = 3;
constexpr int kStyleHeight = 19;
constexpr int kSquareWidth = 19;
constexpr int kSplitWidth = 30;

ButtonXPLook DisabledLook(const ButtonXPProperties& p)
{
    ButtonXPLook look;
    look.enabled = false;
    look.border = look.face = look.holder = look.windowBackground = p.backColor;
    look.text = kGreyText;
    look.iconX = look.iconY = p.imagePosition;
    look.captionX = p.textOffset + kCaptionGap;
    look.captionY = kCaptionTop;
    return look;
}

}  // namespace

ButtonXPLook LookFor(const ButtonXPProperties& p, int state)
{
    if (!p.enabled) return DisabledLook(p);
    ButtonXPLook look;
    look.split = p.style == 2;
    look.text = kBlack;
    if (state == kStateHot || state == kStatePressed) {
        look.border = p.highlightBorderColor;
        look.face = look.holder = state == kStateHot ? p.highlightBackColor : p.pressColor;
        look.windowBackground = p.backColor;
    } else {
        look.border = p.checked ? p.highlightBorderColor : p.backColor;
        look.face = look.holder = look.windowBackground = p.checked ? p.checkedColor : p.backColor;
    }
    // The hot face lifts the icon by ImageDisplacement and the caption by one pixel.
    const int lift = state == kStateHot ? p.imageDisplacement : 0;
    const int captionLift = state == kStateHot ? 1 : 0;
    look.iconX = look.iconY = p.imagePosition - lift;
    look.captionX = p.textOffset + kCaptionGap - captionLift;
    look.captionY = kCaptionTop - captionLift;
    return look;
}

std::vector<PixelPoint> ArrowPixels(int clientWidth)
{
    // A downward triangle, five pixels wide, on rows 8 to 10.
    std::vector<PixelPoint> pixels;
    for (int row = 0; row < 3; ++row) {
        for (int x = clientWidth - 8 + row; x <= clientWidth - 4 - row; ++x) pixels.push_back({x, 8 + row});
    }
    return pixels;
}

bool InArrowStrip(int cx, int clientWidth) { return cx > clientWidth - 9; }

PixelSize SizeForStyle(int style, PixelSize current)
{
    if (style == 3) return current;
    PixelSize size{current.width, kStyleHeight};
    if (style == 1) size.width = kSquareWidth;
    if (style == 2) size.width = kSplitWidth;
    return size;
}

PixelPoint CursorFromPosition(std::int64_t lParam)
{
    const auto position = static_cast<std::int32_t>(static_cast<std::uint32_t>(lParam));
    return {static_cast<int>(position & 0xFFFF), position / 65536};
}

}  // namespace kforge
