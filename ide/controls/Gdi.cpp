#include "Gdi.h"

#include <cmath>

namespace kforge {

namespace {

constexpr int kTwipsPerInch = 1440;

int ScreenPixelsPerInch(int axis)
{
    HDC screen = GetDC(nullptr);
    int pixelsPerInch = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch > 0 ? pixelsPerInch : 96;
}

}  // namespace

int TwipsPerPixelX() { return kTwipsPerInch / ScreenPixelsPerInch(LOGPIXELSX); }

int TwipsPerPixelY() { return kTwipsPerInch / ScreenPixelsPerInch(LOGPIXELSY); }

int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenPixelsPerInch(LOGPIXELSX), kTwipsPerInch); }

int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenPixelsPerInch(LOGPIXELSY), kTwipsPerInch); }

HFONT MakeFont(const std::string& face, double points, bool bold, bool fixed)
{
    LOGFONTA font{};
    const int hundredthsOfPoints = static_cast<int>(std::lround(points * 100));
    font.lfHeight = -MulDiv(hundredthsOfPoints, ScreenPixelsPerInch(LOGPIXELSY), 7200);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = fixed ? (FIXED_PITCH | FF_MODERN) : (DEFAULT_PITCH | FF_DONTCARE);
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

COLORREF ResolveColor(uint32_t oleColor)
{
    if ((oleColor & 0xFF000000u) == 0x80000000u) { return GetSysColor(static_cast<int>(oleColor & 0xFFu)); }
    return static_cast<COLORREF>(oleColor);
}

}  // namespace kforge
