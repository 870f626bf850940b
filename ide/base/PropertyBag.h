// Named values that controls and the layout file save and restore. Keys
// compare ignoring ASCII case; each value is one of a few kinds. A value
// equal to its default is not stored, so reading it back gives the default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kforge {

using PropertyValue =
    std::variant<std::monostate, std::int32_t, bool, std::string, std::vector<std::uint8_t>>;

class PropertyBag {
public:
    // The stored value when there is one of the default's kind, else the default.
    template<typename T> T Read(const std::string& key, const T& defaultValue) const;
    std::string Read(const std::string& key, const char* defaultValue) const;

    // Removes the key when value equals defaultValue (same kind and value),
    // otherwise stores value under the key.
    void Write(const std::string& key, const PropertyValue& value, const PropertyValue& defaultValue);

    // A length-prefixed encoding of every entry in the order written.
    std::vector<std::uint8_t> ToBytes() const;
    // The bag that ToBytes encoded; an empty bag for bytes that are not
    // exactly such an encoding (truncated, overlong lengths, unknown kinds,
    // duplicate keys, trailing bytes).
    static PropertyBag FromBytes(const std::vector<std::uint8_t>& bytes);

private:
    struct Entry {
        std::string key;
        PropertyValue value;
    };

    std::optional<std::size_t> IndexOf(const std::string& key) const;

    std::vector<Entry> entries_;
};

template<typename T> T PropertyBag::Read(const std::string& key, const T& defaultValue) const
{
    std::optional<std::size_t> index = IndexOf(key);
    const T* stored = index ? std::get_if<T>(&entries_[*index].value) : nullptr;
    return stored ? *stored : defaultValue;
}

// Called by a control when one of its saved properties changes. The IDE has
// no designer that keeps control properties, so nothing needs the notice.
inline void PropertyChanged(const std::string& /*name*/) {}

}  // namespace kforge
