#include "Raster.h"

#include <stdexcept>

namespace kforge {

Raster SideBySide(const std::vector<Raster>& parts)
{
    if (parts.empty()) { throw std::invalid_argument("a strip needs at least one picture"); }
    int width = 0;
    for (const Raster& part : parts) {
        if (part.height != parts[0].height) {
            throw std::invalid_argument("the pictures of a strip are equally high");
        }
        width += part.width;
    }
    Raster strip(width, parts[0].height);
    int left = 0;
    for (const Raster& part : parts) {
        for (int y = 0; y < part.height; ++y) {
            for (int x = 0; x < part.width; ++x) { strip.At(left + x, y) = part.At(x, y); }
        }
        left += part.width;
    }
    return strip;
}

Raster Scaled(const Raster& raster, int factor)
{
    if (factor < 1) { throw std::invalid_argument("a scale is a whole number from 1"); }
    Raster scaled(raster.width * factor, raster.height * factor);
    for (int y = 0; y < scaled.height; ++y) {
        for (int x = 0; x < scaled.width; ++x) { scaled.At(x, y) = raster.At(x / factor, y / factor); }
    }
    return scaled;
}

}  // namespace kforge
