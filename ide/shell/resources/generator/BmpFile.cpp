#include "BmpFile.h"

#include <stdexcept>

namespace kforge {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi

Raster Opaque(const Raster& raster, Pixel background)
{
    background.transparent = false;
    Raster opaque = raster;
    for (Pixel& pixel : opaque.pixels) {
        if (pixel.transparent) { pixel = background; }
    }
    return opaque;
}

std::vector<Pixel> PaletteOf(const Raster& raster)
{
    std::vector<Pixel> palette;
    for (const Pixel& pixel : raster.pixels) {
        bool known = false;
        for (const Pixel& entry : palette) { known = known || entry == pixel; }
        if (!known) { palette.push_back(pixel); }
    }
    return palette;
}

unsigned IndexIn(const std::vector<Pixel>& palette, const Pixel& pixel)
{
    unsigned index = 0;
    while (!(palette[index] == pixel)) { ++index; }
    return index;
}

void PutRows(Bytes& out, const Raster& raster, int depth, const std::vector<Pixel>& palette)
{
    int stride = RowStride(raster.width, depth);
    for (int y = raster.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < raster.width; ++x) {
            const Pixel& pixel = raster.At(x, y);
            if (depth == 24) {
                row[x * 3] = pixel.blue;
                row[x * 3 + 1] = pixel.green;
                row[x * 3 + 2] = pixel.red;
            } else if (depth == 8) {
                row[x] = static_cast<std::uint8_t>(IndexIn(palette, pixel));
            } else {
                unsigned shift = (x % 2 == 0) ? 4 : 0;
                row[x / 2] |= static_cast<std::uint8_t>(IndexIn(palette, pixel) << shift);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

Bytes BmpFile::Encode(const Raster& raster, int depth, Pixel background)
{
    if (depth != 4 && depth != 8 && depth != 24) {
        throw std::invalid_argument("a .bmp has 4, 8 or 24 bits");
    }
    Raster opaque = Opaque(raster, background);
    std::vector<Pixel> palette;
    if (depth < 24) {
        palette = PaletteOf(opaque);
        if (palette.size() > (1u << depth)) {
            throw std::invalid_argument("the picture has more colours than " + std::to_string(depth) +
                                        " bits hold");
        }
    }
    std::uint32_t imageSize = RowStride(raster.width, depth) * raster.height;
    std::uint32_t pixelOffset =
        kFileHeaderSize + kInfoHeaderSize + 4 * static_cast<std::uint32_t>(palette.size());

    Bytes out;
    PutU8(out, 'B');
    PutU8(out, 'M');
    PutU32(out, pixelOffset + imageSize);
    PutU32(out, 0);
    PutU32(out, pixelOffset);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, raster.width);
    PutU32(out, raster.height);  // positive: rows from the bottom up
    PutU16(out, 1);
    PutU16(out, depth);
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, static_cast<std::uint32_t>(palette.size()));
    PutU32(out, 0);
    for (const Pixel& entry : palette) {
        PutU8(out, entry.blue);
        PutU8(out, entry.green);
        PutU8(out, entry.red);
        PutU8(out, 0);
    }
    PutRows(out, opaque, depth, palette);
    return out;
}

}  // namespace kforge
