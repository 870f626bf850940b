#include "CommandMenus.h"

namespace kforge {

CommandMenus::~CommandMenus()
{
    for (auto& popup : popups_) { DestroyMenu(popup.second); }
    if (bar_) { DestroyMenu(bar_); }
}

bool CommandMenus::Build(const IdOf& idOf, EntryIdOf entryIdOf)
{
    entryIdOf_ = std::move(entryIdOf);
    bar_ = CreateMenu();
    if (!bar_) { return false; }
    for (const MenuSpec& menu : MenuBarSpec()) {
        HMENU submenu = BuildMenu(menu.items, idOf);
        if (!submenu || !AppendMenuA(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                                     menu.caption.c_str())) {
            return false;
        }
    }
    for (const MenuSpec& popup : PopupSpecs()) {
        HMENU items = BuildMenu(popup.items, idOf);
        if (!items) { return false; }
        popups_[popup.key] = items;
    }
    return true;
}

HMENU CommandMenus::BuildMenu(const std::vector<MenuItemSpec>& items, const IdOf& idOf)
{
    HMENU menu = CreatePopupMenu();
    if (!menu) { return nullptr; }
    for (const MenuItemSpec& item : items) {
        const UINT position = static_cast<UINT>(GetMenuItemCount(menu));
        bool added = false;
        switch (item.kind) {
            case MenuItemKind::Separator:
                added = AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
                break;
            case MenuItemKind::Command:
                added = AppendMenuA(menu, MF_STRING, idOf(item.key), item.caption.c_str());
                break;
            case MenuItemKind::Submenu:
            case MenuItemKind::MruList: {
                HMENU submenu =
                    item.kind == MenuItemKind::Submenu ? BuildMenu(item.items, idOf) : CreatePopupMenu();
                added = submenu && AppendMenuA(menu, MF_POPUP | MF_STRING,
                                               reinterpret_cast<UINT_PTR>(submenu), item.caption.c_str());
                if (added && item.kind == MenuItemKind::MruList) { mruMenus_[item.key].push_back(submenu); }
                break;
            }
        }
        if (!added) { return nullptr; }
        if (!item.key.empty()) { slots_[item.key].push_back({menu, position}); }
    }
    return menu;
}

HMENU CommandMenus::Popup(const std::string& key) const
{
    auto found = popups_.find(key);
    return found == popups_.end() ? nullptr : found->second;
}

void CommandMenus::Apply(const Tool& tool)
{
    auto slots = slots_.find(tool.Key());
    if (slots != slots_.end()) {
        for (const Slot& slot : slots->second) {
            EnableMenuItem(slot.menu, slot.position,
                           MF_BYPOSITION | (tool.Enabled() ? MF_ENABLED : MF_GRAYED));
            CheckMenuItem(slot.menu, slot.position,
                          MF_BYPOSITION | (tool.State() ? MF_CHECKED : MF_UNCHECKED));
        }
    }
    auto mru = mruMenus_.find(tool.Key());
    if (mru != mruMenus_.end()) {
        for (HMENU submenu : mru->second) { ListEntries(submenu, tool); }
    }
}

void CommandMenus::ListEntries(HMENU submenu, const Tool& tool)
{
    while (GetMenuItemCount(submenu) > 0) { DeleteMenu(submenu, 0, MF_BYPOSITION); }
    const std::vector<MruEntry>& entries = tool.Entries().Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // "&10" would take the 1 as its mnemonic: the tenth entry gets 0.
        const std::string caption = "&" + std::to_string((i + 1) % 10) + " " + entries[i].caption;
        AppendMenuA(submenu, MF_STRING, entryIdOf_(tool.Key(), i), caption.c_str());
    }
    if (entries.empty()) { AppendMenuA(submenu, MF_STRING | MF_GRAYED, 0, "(Empty)"); }
}

}  // namespace kforge
