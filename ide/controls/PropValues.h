#pragma once
// The value list of a property-list row: the texts its drop-down offers.
// Portable.

#include <string>
#include <vector>

namespace kforge {

class PropValues {
public:
    // Appends one text.
    void Add(const std::string& text);
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

}  // namespace kforge
