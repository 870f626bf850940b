#pragma once
// One message table of the subclassing core: the messages passed to the
// owner before or after the window's previous procedure. Entries [0, count)
// are in use; a free slot holds kAllMessages and slots are never compacted.
// A count of -1 stands for all messages.

#include <cstdint>
#include <vector>

namespace kforge {

class MessageTable {
public:
    // The message number that means "all messages"; also marks a free slot.
    static constexpr uint32_t kAllMessages = 0xFFFFFFFFu;

    // Stores msg in the first free slot unless an equal entry comes first;
    // else appends it, the table's size becoming count + 1. kAllMessages
    // puts the table in the all-messages state, which a specific message
    // does not change.
    void Add(uint32_t msg);
    // Frees the first entry equal to msg; kAllMessages sets the count to 0
    // (the entries stay but are no longer counted).
    void Delete(uint32_t msg);
    // Empties the table (count 0).
    void Clear() { count_ = 0; }
    // Whether msg is routed: the all-messages state or a counted entry.
    bool Contains(uint32_t msg) const;

    int Count() const { return count_; }
    const std::vector<uint32_t>& Entries() const { return entries_; }

private:
    std::vector<uint32_t> entries_;
    int count_ = 0;
};

}  // namespace kforge
