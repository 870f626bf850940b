#include "LayoutStore.h"

#include "AtomicFile.h"
#include "PropertyBag.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <optional>

namespace kforge {

namespace {

// The record header: a one-dimensional byte array with lower bound 0.
constexpr std::uint16_t byteArrayType = 0x2011;
constexpr std::uint16_t dimensionCount = 1;
constexpr std::uint32_t lowerBound = 0;
constexpr std::size_t headerSize = 12;
using Header = std::array<std::uint8_t, headerSize>;

const std::string versionKey = "Version";
const std::string layoutKey = "Layout";

std::uint32_t ReadLittleEndian(const Header& header, std::size_t offset, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{header[offset + i]} << (8 * i);
    return value;
}

void PutLittleEndian(Header& header, std::size_t offset, std::size_t size, std::uint32_t value)
{
    for (std::size_t i = 0; i < size; ++i) header[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The record's bytes, or nothing when the file is missing, its header is not
// that of a byte array, or it is shorter than its count says. The count is
// checked against the file's size before anything is allocated.
std::optional<std::vector<std::uint8_t>> ReadRecord(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    std::streamoff fileSize = in.tellg();
    Header header{};
    in.seekg(0);
    if (fileSize < static_cast<std::streamoff>(headerSize) ||
        !in.read(reinterpret_cast<char*>(header.data()), headerSize)) {
        return std::nullopt;
    }
    std::uint32_t count = ReadLittleEndian(header, 4, 4);
    if (ReadLittleEndian(header, 0, 2) != byteArrayType || ReadLittleEndian(header, 2, 2) != dimensionCount ||
        ReadLittleEndian(header, 8, 4) != lowerBound ||
        count > fileSize - static_cast<std::streamoff>(headerSize)) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(count);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), count)) return std::nullopt;
    return bytes;
}

}  // namespace

std::string FormatProgramVersion(unsigned major, unsigned minor, unsigned revision)
{
    char text[40];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u", major, minor, revision);
    return text;
}

void LayoutStore::Load(const std::string& path)
{
    PropertyBag bag = PropertyBag::FromBytes(ReadRecord(path).value_or(std::vector<std::uint8_t>{}));
    loadedVersion = bag.Read(versionKey, "");
    if (loadedVersion == programVersion) layout = bag.Read(layoutKey, std::vector<std::uint8_t>{});
}

bool LayoutStore::Save(const std::string& path) const
{
    PropertyBag bag;
    bag.Write(versionKey, programVersion, std::string{});
    bag.Write(layoutKey, layout, std::vector<std::uint8_t>{});
    std::vector<std::uint8_t> contents = bag.ToBytes();

    Header header{};
    PutLittleEndian(header, 0, 2, byteArrayType);
    PutLittleEndian(header, 2, 2, dimensionCount);
    PutLittleEndian(header, 4, 4, static_cast<std::uint32_t>(contents.size()));
    PutLittleEndian(header, 8, 4, lowerBound);
    std::string bytes(header.begin(), header.end());
    bytes.append(contents.begin(), contents.end());
    return WriteFileAtomically(path, bytes);
}

}  // namespace kforge
