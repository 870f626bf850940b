#include "ButtonXPPainter.h"

#include <optional>
#include <utility>
#include <vector>

#include "Gdi.h"

namespace kforge {

namespace {

constexpr COLORREF kBlack = 0;

struct PixelGrid {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // as device-independent bitmaps hold them, 0xAARRGGBB
};

BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Device-independent bitmaps order red and blue the other way round from
// COLORREF values.
std::uint32_t SwapRedBlue(std::uint32_t colour)
{
    return (colour & 0xFF00FF00u) | (colour & 0xFFu) << 16 | (colour >> 16 & 0xFFu);
}

std::optional<PixelGrid> ReadBitmap(HBITMAP bitmap)
{
    BITMAP description{};
    if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) return std::nullopt;
    PixelGrid grid;
    grid.width = description.bmWidth;
    grid.height = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
    if (grid.width <= 0 || grid.height <= 0 || grid.width > ButtonPicture::kMaxSide ||
        grid.height > 2 * ButtonPicture::kMaxSide) {
        return std::nullopt;
    }
    grid.pixels.resize(static_cast<std::size_t>(grid.width) * static_cast<std::size_t>(grid.height));
    BITMAPINFO info = TopDown32(grid.width, grid.height);
    HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(grid.height), grid.pixels.data(), &info,
                                DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != grid.height) return std::nullopt;
    return grid;
}

// Whether a colour bitmap's alpha bytes say which pixels show: they do
// unless they are all 0 or all 0xFF, when the mask says it.
bool HasAlpha(const PixelGrid& grid)
{
    bool anyShown = false, anyHidden = false;
    for (std::uint32_t pixel : grid.pixels) {
        const std::uint32_t alpha = pixel >> 24;
        anyShown = anyShown || alpha != 0;
        anyHidden = anyHidden || alpha != 0xFF;
    }
    return anyShown && anyHidden;
}

// A memory surface compatible with a device context, freed with its scope.
class MemorySurface {
public:
    MemorySurface(HDC like, int width, int height)
        : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, width, height))
    {
        if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
    }
    ~MemorySurface()
    {
        if (previous_) SelectObject(dc_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    bool Ready() const { return previous_ != nullptr; }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

void PutPixels(HDC dc, const std::vector<std::uint32_t>& colours, int width, int height)
{
    std::vector<std::uint32_t> dib;
    dib.reserve(colours.size());
    for (std::uint32_t colour : colours) dib.push_back(SwapRedBlue(colour));
    BITMAPINFO info = TopDown32(width, height);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), dib.data(), &info, DIB_RGB_COLORS);
}

}  // namespace

ButtonXPPainter::ButtonXPPainter() : font_(MakeFont("Tahoma", 8.25, false, false)) {}

ButtonXPPainter::~ButtonXPPainter()
{
    if (font_) DeleteObject(font_);
}

void ButtonXPPainter::Paint(HWND hwnd, const ButtonXPLook& look, const ButtonXPProperties& properties) const
{
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    if (look.enabled) {
        PaintEnabled(hwnd, dc, look, properties);
    } else {
        PaintDisabled(hwnd, dc, look, properties);
    }
    ReleaseDC(hwnd, dc);
    if (look.enabled) UpdateWindow(hwnd);
}

void ButtonXPPainter::PaintEnabled(HWND hwnd, HDC dc, const ButtonXPLook& look,
                                   const ButtonXPProperties& properties) const
{
    HPEN pen = CreatePen(PS_SOLID, 1, ResolveColor(look.border));
    HBRUSH brush = CreateSolidBrush(ResolveColor(look.face));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    RECT rc{};
    GetClientRect(hwnd, &rc);
    if (look.split) {
        // The main part and the strip share the column right - strip width.
        Rectangle(dc, rc.left, rc.top, rc.right - kArrowStripWidth + 1, rc.bottom);
        Rectangle(dc, rc.right - kArrowStripWidth, rc.top, rc.right, rc.bottom);
    } else {
        Rectangle(dc, rc.left, rc.top, rc.right, rc.bottom);
    }
    SetTextColor(dc, ResolveColor(look.text));
    PaintIcon(dc, look, properties.buttonIcon, false);
    PaintCaption(dc, look, properties.caption);
    if (look.split) {
        for (const PixelPoint& pixel : ArrowPixels(rc.right - rc.left))
            SetPixel(dc, pixel.x, pixel.y, kBlack);
    }
    if (previousPen) SelectObject(dc, previousPen);
    if (previousBrush) SelectObject(dc, previousBrush);
    if (pen) DeleteObject(pen);
    if (brush) DeleteObject(brush);
}

void ButtonXPPainter::PaintDisabled(HWND hwnd, HDC dc, const ButtonXPLook& look,
                                    const ButtonXPProperties& properties) const
{
    // The background colour clears the whole face.
    RECT rc{};
    GetClientRect(hwnd, &rc);
    if (HBRUSH brush = CreateSolidBrush(ResolveColor(look.face))) {
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
    }
    PaintIcon(dc, look, properties.buttonIcon, true);
    SetTextColor(dc, ResolveColor(look.text));
    PaintCaption(dc, look, properties.caption);
}

void ButtonXPPainter::PaintCaption(HDC dc, const ButtonXPLook& look, const std::string& caption) const
{
    if (caption.empty()) return;
    HGDIOBJ previousFont = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, look.captionX, look.captionY, caption.c_str(), static_cast<int>(caption.size()));
    if (previousFont) SelectObject(dc, previousFont);
}

void ButtonXPPainter::PaintIcon(HDC dc, const ButtonXPLook& look, const ButtonPicture& picture, bool disabled)
{
    MemorySurface holder(dc, kHolderSide, kHolderSide);
    if (!holder.Ready()) return;
    const COLORREF background = ResolveColor(look.holder);
    PutPixels(holder.Dc(), picture.ComposedOn(background, kHolderSide, kHolderSide), kHolderSide,
              kHolderSide);
    SetBkColor(holder.Dc(), background);
    if (disabled) DrawDisabledIcon(holder.Dc(), kHolderSide, kHolderSide);
    BitBlt(dc, look.iconX, look.iconY, kHolderSide, kHolderSide, holder.Dc(), 0, 0, SRCCOPY);
}

void ButtonXPPainter::DrawDisabledIcon(HDC dc, int width, int height)
{
    if (width <= 0 || height <= 0) return;
    MemorySurface copy(dc, width, height);
    if (!copy.Ready()) return;
    BitBlt(copy.Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    const COLORREF bk = GetBkColor(dc);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(copy.Dc(), x, y));
    }
    const std::vector<std::uint32_t> before = pixels;
    EmbossDisabled(pixels, width, height, bk);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * width + x);
            if (pixels[i] != before[i]) SetPixel(copy.Dc(), x, y, pixels[i]);
        }
    }
    BitBlt(dc, 0, 0, width, height, copy.Dc(), 0, 0, SRCCOPY);
}

ButtonPicture ButtonXPPainter::PictureFromBitmap(HBITMAP bitmap)
{
    std::optional<PixelGrid> grid = ReadBitmap(bitmap);
    if (!grid) return {};
    std::vector<std::uint32_t> pixels;
    for (std::uint32_t pixel : grid->pixels) pixels.push_back(SwapRedBlue(pixel) & 0xFFFFFFu);
    return ButtonPicture(grid->width, grid->height, std::move(pixels));
}

ButtonPicture ButtonXPPainter::PictureFromIcon(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    std::optional<PixelGrid> colour = ReadBitmap(info.hbmColor);
    std::optional<PixelGrid> mask = ReadBitmap(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (!mask) return {};
    // A monochrome icon's mask holds the AND part above the XOR part.
    const int width = mask->width;
    const int height = colour ? colour->height : mask->height / 2;
    if (colour && colour->width != width) return {};
    const bool alpha = colour && HasAlpha(*colour);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * width + x);
            const std::uint32_t shown =
                colour ? colour->pixels[i] : mask->pixels[i + static_cast<std::size_t>(height * width)];
            const bool transparent = alpha ? (shown >> 24) < 0x80 : (mask->pixels[i] & 0xFFFFFFu) != 0;
            pixels.push_back(transparent ? ButtonPicture::kTransparent : SwapRedBlue(shown) & 0xFFFFFFu);
        }
    }
    return ButtonPicture(width, height, std::move(pixels));
}

}  // namespace kforge
