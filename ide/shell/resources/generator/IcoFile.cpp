#include "IcoFile.h"

#include <stdexcept>

namespace kforge {

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t ImageSize(const Raster& image)
{
    return kInfoHeaderSize + RowStride(image.width, 32) * image.height +
           RowStride(image.width, 1) * image.height;
}

void PutImage(Bytes& out, const Raster& image)
{
    PutU32(out, kInfoHeaderSize);
    PutU32(out, image.width);
    PutU32(out, image.height * 2);  // the colour rows and the mask
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);
    PutU32(out, ImageSize(image) - kInfoHeaderSize);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Pixel& pixel = image.At(x, y);
            bool clear = pixel.transparent;
            PutU8(out, clear ? 0 : pixel.blue);
            PutU8(out, clear ? 0 : pixel.green);
            PutU8(out, clear ? 0 : pixel.red);
            PutU8(out, clear ? 0 : 0xFF);
        }
    }
    int maskStride = RowStride(image.width, 1);
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y).transparent) { row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8)); }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

Bytes IcoFile::Encode(const std::vector<Raster>& images)
{
    if (images.empty()) { throw std::invalid_argument("an icon needs at least one picture"); }
    Bytes out;
    PutU16(out, 0);
    PutU16(out, 1);  // an icon, not a cursor
    PutU16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const Raster& image : images) {
        if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256) {
            throw std::invalid_argument("an icon's pictures have 1 to 256 pixels a side");
        }
        PutU8(out, image.width & 0xFF);  // 0 stands for 256
        PutU8(out, image.height & 0xFF);
        PutU8(out, 0);  // no palette
        PutU8(out, 0);
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, ImageSize(image));
        PutU32(out, offset);
        offset += ImageSize(image);
    }
    for (const Raster& image : images) { PutImage(out, image); }
    return out;
}

}  // namespace kforge
