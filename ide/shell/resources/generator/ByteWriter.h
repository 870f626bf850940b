#pragma once
// Little-endian fields appended to a byte buffer, as the Windows picture
// formats store them.

#include <cstdint>
#include <vector>

namespace kforge {

using Bytes = std::vector<std::uint8_t>;

inline void PutU8(Bytes& out, unsigned value) { out.push_back(static_cast<std::uint8_t>(value)); }

inline void PutU16(Bytes& out, unsigned value)
{
    PutU8(out, value & 0xFF);
    PutU8(out, (value >> 8) & 0xFF);
}

inline void PutU32(Bytes& out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// A row of bits padded to whole 32-bit words, as DIB rows are stored.
inline int RowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

}  // namespace kforge
