#include "MruList.h"

#include <algorithm>

#include "Texts.h"

namespace kforge {

void MruList::Add(const std::string& key, const std::string& caption, int position)
{
    auto same = std::find_if(entries_.begin(), entries_.end(),
                             [&key](const MruEntry& entry) { return EqualsIgnoreCase(entry.key, key); });
    if (same != entries_.end()) { entries_.erase(same); }
    const std::size_t at = std::min<std::size_t>(position < 1 ? 0 : position - 1, entries_.size());
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), MruEntry{key, caption});
    if (entries_.size() > kCapacity) { entries_.resize(kCapacity); }
    Changed();
}

void MruList::RemoveAt(std::size_t index)
{
    if (index >= entries_.size()) { return; }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    Changed();
}

void MruList::Replace(const std::vector<MruEntry>& entries)
{
    std::function<void()> notify = std::move(onChanged);
    entries_.clear();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        Add(entry->key, entry->caption, 1);
    }
    onChanged = std::move(notify);
    Changed();
}

}  // namespace kforge
