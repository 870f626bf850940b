#pragma once
// One command of the docking host under its key: the menu items, tool-bar
// button and popup entries of that key together. Some tools have more: a
// toggle state, the text of the "BuildPage" combo, an MRU list, a popup.

#include <functional>
#include <string>

#include "MruList.h"

namespace kforge {

class Tool {
public:
    explicit Tool(std::string key);
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    const std::string& Key() const { return key_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // 1 (checked) or 0; any other value counts as 1.
    int State() const { return state_; }
    void SetState(int state);
    // The combo's chosen text; empty for other tools.
    std::string Text() const { return onReadText ? onReadText() : std::string(); }

    // An MRU tool's entries; the menu follows their changes.
    MruList& Entries() { return entries_; }
    const MruList& Entries() const { return entries_; }
    // The entry chosen for the Command event being raised; "" outside it.
    std::string ClickedEntryText() const;
    // Takes the chosen entry out of the list (during its Command event).
    void RemoveClickedEntry();
    // The host marks the entry whose Command event it raises (-1 = none).
    void SetClickedEntry(int index) { clickedEntry_ = index; }

    // A popup's menu at the mouse position; nothing for other tools.
    void ShowPopup()
    {
        if (onShowPopup) { onShowPopup(); }
    }

    // Set by the host: the tool's look changed; the combo's text; the popup.
    std::function<void(Tool&)> onChanged;
    std::function<std::string()> onReadText;
    std::function<void()> onShowPopup;

private:
    void Changed()
    {
        if (onChanged) { onChanged(*this); }
    }

    std::string key_;
    bool enabled_ = true;
    int state_ = 0;
    MruList entries_;
    int clickedEntry_ = -1;
};

}  // namespace kforge
