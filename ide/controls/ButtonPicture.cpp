#include "ButtonPicture.h"

#include <array>

namespace kforge {

namespace {

// The open folder, one letter per pixel: '.' transparent, then the palette.
constexpr std::array<const char*, 16> kFolderRows = {
    "................",  //
    "................",  //
    "..KKKK..........",  //
    ".KYWWYK.........",  //
    ".KYYYYYKKKKKKK..",  //
    ".KYWWWWWWWWWWYK.",  //
    ".KYWYYYYYYYYYYK.",  //
    ".KYWKKKKKKKKKKKK",  //
    ".KYKOOOOOOOOOOOK",  //
    ".KYKOOOOOOOOOOK.",  //
    ".KKOOOOOOOOOOOK.",  //
    ".KKOOOOOOOOOOK..",  //
    ".KOOOOOOOOOOOK..",  //
    ".KKKKKKKKKKKKK..",  //
    "................",  //
    "................",  //
};

std::uint32_t FolderColour(char letter)
{
    switch (letter) {
        case 'K':
            return 0x004A7Au;  // dark brown outline
        case 'Y':
            return 0x4CC8F8u;  // folder yellow
        case 'O':
            return 0x2AA0E0u;  // the front flap, darker
        case 'W':
            return 0xFFFFFFu;  // highlight
        default:
            return ButtonPicture::kTransparent;
    }
}

constexpr std::size_t kHeaderBytes = 4;

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16 |
           std::uint32_t{bytes[at + 3]} << 24;
}

bool IsPixelValue(std::uint32_t value) { return value == ButtonPicture::kTransparent || (value >> 24) == 0; }

}  // namespace

ButtonPicture::ButtonPicture(int width, int height, std::vector<std::uint32_t> pixels)
{
    const bool sized = width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
    if (!sized || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    width_ = width;
    height_ = height;
    pixels_ = std::move(pixels);
}

ButtonPicture ButtonPicture::OpenFolder()
{
    std::vector<std::uint32_t> pixels;
    for (const char* row : kFolderRows) {
        for (int x = 0; x < 16; ++x) pixels.push_back(FolderColour(row[x]));
    }
    return ButtonPicture(16, 16, std::move(pixels));
}

std::vector<std::uint32_t> ButtonPicture::ComposedOn(std::uint32_t background, int width, int height) const
{
    std::vector<std::uint32_t> grid(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                    background);
    for (int y = 0; y < height && y < height_; ++y) {
        for (int x = 0; x < width && x < width_; ++x) {
            const std::uint32_t pixel = At(x, y);
            if (pixel != kTransparent) grid[static_cast<std::size_t>(y * width + x)] = pixel;
        }
    }
    return grid;
}

std::vector<std::uint8_t> ButtonPicture::ToBytes() const
{
    std::vector<std::uint8_t> bytes;
    if (Empty()) return bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(static_cast<std::uint32_t>(width_), 2);
    put(static_cast<std::uint32_t>(height_), 2);
    for (std::uint32_t pixel : pixels_) put(pixel, 4);
    return bytes;
}

ButtonPicture ButtonPicture::FromBytes(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < kHeaderBytes) return {};
    const int width = bytes[0] | bytes[1] << 8;
    const int height = bytes[2] | bytes[3] << 8;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (bytes.size() != kHeaderBytes + 4 * count) return {};
    std::vector<std::uint32_t> pixels;
    pixels.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = ReadU32(bytes, kHeaderBytes + 4 * i);
        if (!IsPixelValue(pixel)) return {};
        pixels.push_back(pixel);
    }
    return ButtonPicture(width, height, std::move(pixels));
}

void EmbossDisabled(std::vector<std::uint32_t>& pixels, int width, int height, std::uint32_t bk)
{
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    std::vector<bool> marked(pixels.size(), false);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] == bk) continue;
        if (pixels[i] == kWhite) {
            pixels[i] = bk;
        } else {
            pixels[i] = kDisabledGrey;
            marked[i] = true;
        }
    }
    auto markedAt = [&](int x, int y) {
        return x >= width || y >= height || marked[static_cast<std::size_t>(y * width + x)];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (markedAt(x, y) && !markedAt(x + 1, y + 1)) {
                pixels[static_cast<std::size_t>((y + 1) * width + x + 1)] = kWhite;
            }
        }
    }
}

}  // namespace kforge
