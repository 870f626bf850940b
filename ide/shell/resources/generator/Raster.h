#pragma once
// A picture in memory: rows from the top, each pixel a colour with a flag
// for the transparent pixels that each file format renders its own way.

#include <cstdint>
#include <vector>

namespace kforge {

struct Pixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool transparent = false;

    bool operator==(const Pixel& other) const
    {
        return red == other.red && green == other.green && blue == other.blue &&
               transparent == other.transparent;
    }
};

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;  // width * height, row by row from the top

    Raster() = default;
    Raster(int w, int h, Pixel fill = Pixel{0, 0, 0, true}) : width(w), height(h), pixels(w * h, fill) {}

    Pixel& At(int x, int y) { return pixels[y * width + x]; }
    const Pixel& At(int x, int y) const { return pixels[y * width + x]; }
};

// The pictures placed left to right in one strip; all equally high.
// Throws std::invalid_argument otherwise.
Raster SideBySide(const std::vector<Raster>& parts);
// Each pixel as a square of factor x factor pixels (factor >= 1).
Raster Scaled(const Raster& raster, int factor);

}  // namespace kforge
