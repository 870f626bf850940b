#pragma once
// Writes pictures as one Windows .ico file: the icon directory, then per
// picture a 40-byte info header (height doubled for the two masks), the
// 32-bit colour rows (alpha 0 where transparent) and the 1-bit AND mask
// (1 where transparent), both from the bottom up.

#include <vector>

#include "ByteWriter.h"
#include "Raster.h"

namespace kforge {

class IcoFile {
public:
    // One icon image per picture (for example 16 x 16 and 32 x 32); at most
    // 256 pixels a side. Throws std::invalid_argument otherwise.
    static Bytes Encode(const std::vector<Raster>& images);
};

}  // namespace kforge
