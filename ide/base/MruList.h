// The entries of a most-recently-used list: newest first, no two keys that
// differ only in case, at most kCapacity entries.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kforge {

struct MruEntry {
    std::string key;
    std::string caption;
};

class MruList {
public:
    static constexpr std::size_t kCapacity = 10;

    // Puts the entry at 1-based position (clamped to the list), first taking
    // out an entry whose key equals key ignoring case; the entries beyond
    // the capacity drop off the end.
    void Add(const std::string& key, const std::string& caption, int position);
    // Takes out the entry at a 0-based index; nothing when out of range.
    void RemoveAt(std::size_t index);
    // Takes the entries, newest first, through the rules of Add.
    void Replace(const std::vector<MruEntry>& entries);

    const std::vector<MruEntry>& Entries() const { return entries_; }
    std::size_t Count() const { return entries_.size(); }

    // Raised after every change.
    std::function<void()> onChanged;

private:
    void Changed()
    {
        if (onChanged) { onChanged(); }
    }

    std::vector<MruEntry> entries_;
};

}  // namespace kforge
