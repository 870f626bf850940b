#include "Tool.h"

namespace kforge {

Tool::Tool(std::string key) : key_(std::move(key))
{
    entries_.onChanged = [this] {
        clickedEntry_ = -1;  // the indexes moved
        Changed();
    };
}

void Tool::SetEnabled(bool enabled)
{
    if (enabled_ == enabled) { return; }
    enabled_ = enabled;
    Changed();
}

void Tool::SetState(int state)
{
    const int normalised = state == 0 ? 0 : 1;
    if (state_ == normalised) { return; }
    state_ = normalised;
    Changed();
}

std::string Tool::ClickedEntryText() const
{
    if (clickedEntry_ < 0 || static_cast<std::size_t>(clickedEntry_) >= entries_.Count()) { return ""; }
    return entries_.Entries()[clickedEntry_].caption;
}

void Tool::RemoveClickedEntry()
{
    if (clickedEntry_ < 0) { return; }
    entries_.RemoveAt(static_cast<std::size_t>(clickedEntry_));
}

}  // namespace kforge
