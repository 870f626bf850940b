#pragma once
// The picture a ButtonXP shows: a small grid of 0x00BBGGRR pixels in which
// kTransparent marks a pixel that shows the background. Portable: the
// control turns icons and bitmaps into it, composes it on the face colour,
// greys it for the disabled look and saves it as bytes.

#include <cstdint>
#include <vector>

namespace kforge {

class ButtonPicture {
public:
    static constexpr std::uint32_t kTransparent = 0xFF000000u;
    // The largest side a picture may have; larger ones are not kept.
    static constexpr int kMaxSide = 256;

    // No picture.
    ButtonPicture() = default;
    // A width x height picture, row by row from the top; no picture when the
    // sizes are out of range or do not match the pixels.
    ButtonPicture(int width, int height, std::vector<std::uint32_t> pixels);

    // The built-in picture of a new button: a 16 x 16 open folder.
    static ButtonPicture OpenFolder();

    bool Empty() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    // A width x height grid of background with the picture at its top-left
    // corner (cut off at the grid's edges); transparent pixels show the
    // background.
    std::vector<std::uint32_t> ComposedOn(std::uint32_t background, int width, int height) const;

    // Width and height (16 bits each), then every pixel (32 bits), little-
    // endian; no bytes for no picture.
    std::vector<std::uint8_t> ToBytes() const;
    // The picture that ToBytes gave; no picture for any other bytes.
    static ButtonPicture FromBytes(const std::vector<std::uint8_t>& bytes);

    bool operator==(const ButtonPicture& other) const
    {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }
    bool operator!=(const ButtonPicture& other) const { return !(*this == other); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// The grey of a disabled button's picture and its embossed shadow.
constexpr std::uint32_t kDisabledGrey = 0x808080u;
constexpr std::uint32_t kWhite = 0xFFFFFFu;

// Turns a width x height grid, drawn on the background bk, into the
// disabled look in place: bk stays, white becomes bk, every other colour
// becomes grey and is marked; then each marked pixel whose lower-right
// neighbour is unmarked turns that neighbour white (pixels outside the grid
// count as marked).
void EmbossDisabled(std::vector<std::uint32_t>& pixels, int width, int height, std::uint32_t bk);

}  // namespace kforge
