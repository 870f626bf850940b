// The commands of the docking host: its menus, the "Edit" and
// "ProjectTree" popups and the tool bar. The tool keys are what the main
// window dispatches on; the captions are the host's own.
#pragma once

#include <string>
#include <vector>

namespace kforge {

enum class MenuItemKind { Command, Submenu, MruList, Separator };

struct MenuItemSpec {
    MenuItemKind kind = MenuItemKind::Command;
    std::string key;  // the tool key; empty for a separator
    std::string caption;
    std::vector<MenuItemSpec> items;  // a submenu's
};

struct MenuSpec {
    std::string key;  // a popup's tool key; empty for a menu of the bar
    std::string caption;
    std::vector<MenuItemSpec> items;
};

enum class ToolButtonKind { Button, Combo, Separator };

struct ToolButtonSpec {
    ToolButtonKind kind = ToolButtonKind::Button;
    std::string key;
    std::string caption;  // the tip
    int picture = -1;     // a button's picture in the program's strip TOOLSTRIP
};

// The menus of the bar, left to right.
const std::vector<MenuSpec>& MenuBarSpec();
// The popups, each with its tool key.
const std::vector<MenuSpec>& PopupSpecs();
const std::vector<ToolButtonSpec>& ToolBarSpec();
// The choices of the "BuildPage" combo; the first is the initial one.
const std::vector<std::string>& BuildPages();

}  // namespace kforge
