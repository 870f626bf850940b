#pragma once
// The docking host's menus as Win32 menus: the menu bar and the popups of
// DockMenus, each item bound to its tool's command id. A tool's items are
// enabled and checked together; an MRU tool's submenu lists its entries.

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DockMenus.h"
#include "Tool.h"

namespace kforge {

class CommandMenus {
public:
    using IdOf = std::function<UINT(const std::string&)>;
    // The command id of entry `index` of the MRU tool `key`.
    using EntryIdOf = std::function<UINT(const std::string& key, std::size_t index)>;

    CommandMenus() = default;
    CommandMenus(const CommandMenus&) = delete;
    CommandMenus& operator=(const CommandMenus&) = delete;
    ~CommandMenus();

    bool Build(const IdOf& idOf, EntryIdOf entryIdOf);
    // The bar; once a window holds it, that window's end destroys it.
    HMENU Bar() const { return bar_; }
    void ReleaseBar() { bar_ = nullptr; }
    HMENU Popup(const std::string& key) const;

    // Shows the tool's state in every item of its key.
    void Apply(const Tool& tool);

private:
    struct Slot {
        HMENU menu;
        UINT position;
    };

    HMENU BuildMenu(const std::vector<MenuItemSpec>& items, const IdOf& idOf);
    void ListEntries(HMENU submenu, const Tool& tool);

    HMENU bar_ = nullptr;
    std::map<std::string, HMENU> popups_;
    std::map<std::string, std::vector<Slot>> slots_;
    std::map<std::string, std::vector<HMENU>> mruMenus_;
    EntryIdOf entryIdOf_;
};

}  // namespace kforge
