#pragma once
// A bar of the docking host under its key ("StatusBar", "StandartBar"):
// the host lays itself out again when its visibility changes.

#include <functional>
#include <string>

namespace kforge {

class CommandBar {
public:
    explicit CommandBar(std::string key) : key_(std::move(key)) {}
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    const std::string& Key() const { return key_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible)
    {
        if (visible_ == visible) { return; }
        visible_ = visible;
        if (onChanged) { onChanged(); }
    }

    std::function<void()> onChanged;

private:
    std::string key_;
    bool visible_ = true;
};

}  // namespace kforge
