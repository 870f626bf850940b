#include "PropertyBag.h"

#include "Texts.h"

#include <optional>
#include <set>

namespace kforge {

namespace {

// Encoding, little-endian throughout:
//   "KPB1", uint32 entry count, then per entry:
//   uint32 key length, key bytes, uint8 kind (the variant's index), payload:
//   nothing (empty), int32, one byte 0/1 (bool), uint32 length + bytes (text, bytes).
constexpr char signature[] = {'K', 'P', 'B', '1'};

class ByteWriter {
public:
    void U8(std::uint8_t value) { bytes_.push_back(value); }
    void U32(std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) U8(static_cast<std::uint8_t>(value >> shift));
    }
    template<typename Bytes> void Sized(const Bytes& data)
    {
        U32(static_cast<std::uint32_t>(data.size()));
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Every read checks what is left, so no length is trusted before the bytes
// it announces are known to be there.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    bool AtEnd() const { return position_ == bytes_.size(); }
    std::optional<std::uint8_t> U8()
    {
        if (Left() < 1) return std::nullopt;
        return bytes_[position_++];
    }
    std::optional<std::uint32_t> U32()
    {
        if (Left() < 4) return std::nullopt;
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= std::uint32_t{bytes_[position_++]} << shift;
        return value;
    }
    template<typename Bytes> std::optional<Bytes> Sized()
    {
        std::optional<std::uint32_t> length = U32();
        if (!length || *length > Left()) return std::nullopt;
        auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(position_);
        position_ += *length;
        return Bytes(first, first + static_cast<std::ptrdiff_t>(*length));
    }

private:
    std::size_t Left() const { return bytes_.size() - position_; }

    const std::vector<std::uint8_t>& bytes_;
    std::size_t position_ = 0;
};

void WriteValue(ByteWriter& out, const PropertyValue& value)
{
    out.U8(static_cast<std::uint8_t>(value.index()));
    if (auto number = std::get_if<std::int32_t>(&value)) {
        out.U32(static_cast<std::uint32_t>(*number));
    } else if (auto flag = std::get_if<bool>(&value)) {
        out.U8(*flag ? 1 : 0);
    } else if (auto text = std::get_if<std::string>(&value)) {
        out.Sized(*text);
    } else if (auto data = std::get_if<std::vector<std::uint8_t>>(&value)) {
        out.Sized(*data);
    }
}

std::optional<PropertyValue> ReadValue(ByteReader& in)
{
    std::optional<std::uint8_t> kind = in.U8();
    if (!kind) return std::nullopt;
    switch (*kind) {
        case 0:
            return PropertyValue{};
        case 1:
            if (auto number = in.U32()) return PropertyValue{static_cast<std::int32_t>(*number)};
            return std::nullopt;
        case 2:
            if (auto flag = in.U8(); flag && *flag <= 1) return PropertyValue{*flag == 1};
            return std::nullopt;
        case 3:
            if (auto text = in.Sized<std::string>()) return PropertyValue{std::move(*text)};
            return std::nullopt;
        case 4:
            if (auto data = in.Sized<std::vector<std::uint8_t>>()) return PropertyValue{std::move(*data)};
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string PropertyBag::Read(const std::string& key, const char* defaultValue) const
{
    return Read<std::string>(key, defaultValue);
}

void PropertyBag::Write(const std::string& key, const PropertyValue& value, const PropertyValue& defaultValue)
{
    std::optional<std::size_t> index = IndexOf(key);
    if (value == defaultValue) {
        if (index) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*index));
    } else if (index) {
        entries_[*index].value = value;
    } else {
        entries_.push_back({key, value});
    }
}

std::optional<std::size_t> PropertyBag::IndexOf(const std::string& key) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (EqualsIgnoreCase(entries_[i].key, key)) return i;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> PropertyBag::ToBytes() const
{
    ByteWriter out;
    for (char c : signature) out.U8(static_cast<std::uint8_t>(c));
    out.U32(static_cast<std::uint32_t>(entries_.size()));
    for (const Entry& entry : entries_) {
        out.Sized(entry.key);
        WriteValue(out, entry.value);
    }
    return out.Take();
}

PropertyBag PropertyBag::FromBytes(const std::vector<std::uint8_t>& bytes)
{
    ByteReader in(bytes);
    for (char c : signature) {
        if (in.U8() != static_cast<std::uint8_t>(c)) return {};
    }
    std::optional<std::uint32_t> count = in.U32();
    if (!count) return {};
    PropertyBag bag;
    std::set<std::string> lowerKeys;
    // The count is not trusted for reserving: each entry must be read first.
    for (std::uint32_t i = 0; i < *count; ++i) {
        std::optional<std::string> key = in.Sized<std::string>();
        if (!key || !lowerKeys.insert(LowerCase(*key)).second) return {};
        std::optional<PropertyValue> value = ReadValue(in);
        if (!value) return {};
        bag.entries_.push_back({std::move(*key), std::move(*value)});
    }
    if (!in.AtEnd()) return {};
    return bag;
}

}  // namespace kforge
