#pragma once
// Writes a picture as a Windows .bmp file: a file header, a 40-byte info
// header, for 4 and 8 bits a palette of the colours used (in the order of
// their first use from the top-left pixel, so that pixel has index 0), and
// the rows from the bottom up. Transparent pixels take the background
// colour (the mask colour of an image list, magenta).

#include "ByteWriter.h"
#include "Raster.h"

namespace kforge {

class BmpFile {
public:
    // depth is 4, 8 or 24; throws std::invalid_argument for another depth
    // or a picture with more colours than the depth holds.
    static Bytes Encode(const Raster& raster, int depth, Pixel background);
};

}  // namespace kforge
