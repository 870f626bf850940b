#include "MessageTable.h"

namespace kforge {

void MessageTable::Add(uint32_t msg)
{
    if (msg == kAllMessages) {
        count_ = -1;
        return;
    }
    if (count_ < 0) { return; }
    for (int i = 0; i < count_; ++i) {
        if (entries_[i] == kAllMessages) {
            entries_[i] = msg;
            return;
        }
        if (entries_[i] == msg) { return; }
    }
    entries_.resize(count_ + 1);
    entries_[count_] = msg;
    ++count_;
}

void MessageTable::Delete(uint32_t msg)
{
    if (msg == kAllMessages) {
        count_ = 0;
        return;
    }
    for (int i = 0; i < count_; ++i) {
        if (entries_[i] == msg) {
            entries_[i] = kAllMessages;
            return;
        }
    }
}

bool MessageTable::Contains(uint32_t msg) const
{
    if (count_ < 0) { return true; }
    for (int i = 0; i < count_; ++i) {
        if (entries_[i] == msg) { return true; }
    }
    return false;
}

}  // namespace kforge
