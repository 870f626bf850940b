#include "DockMenus.h"

namespace kforge {

namespace {

MenuItemSpec Item(const char* key, const char* caption) { return {MenuItemKind::Command, key, caption, {}}; }
MenuItemSpec Mru(const char* key, const char* caption) { return {MenuItemKind::MruList, key, caption, {}}; }
MenuItemSpec Separator() { return {MenuItemKind::Separator, "", "", {}}; }
MenuItemSpec Submenu(const char* key, const char* caption, std::vector<MenuItemSpec> items)
{
    return {MenuItemKind::Submenu, key, caption, std::move(items)};
}

std::vector<MenuItemSpec> EditItems()
{
    return {Item("EditUndo", "&Undo\tCtrl+Z"),
            Item("EditRedo", "&Redo\tCtrl+Y"),
            Separator(),
            Item("EditCut", "Cu&t\tCtrl+X"),
            Item("EditCopy", "&Copy\tCtrl+C"),
            Item("EditPaste", "&Paste\tCtrl+V"),
            Item("EditDelete", "&Delete\tDel"),
            Separator(),
            Item("EditSelAll", "Select &All\tCtrl+A"),
            Separator(),
            Item("EditFind", "&Find...\tCtrl+F"),
            Item("EditNext", "Find &Next\tF3"),
            Item("EditReplace", "R&eplace...\tCtrl+H"),
            Item("EditGoTo", "&Go To...\tCtrl+G")};
}

std::vector<MenuItemSpec> ProjectTreeItems()
{
    return {Item("ProjectNew", "&New File in Project"), Item("ProjectFile", "Add &File..."),
            Item("ProjectRemove", "&Remove File"),      Separator(),
            Item("ProjectSave", "&Save Solution"),      Item("ProjectOptions", "&Properties...")};
}

}  // namespace

const std::vector<MenuSpec>& MenuBarSpec()
{
    static const std::vector<MenuSpec> menus = {
        {"",
         "&File",
         {Item("FileProject", "New &Project..."), Item("FileFile", "&New File\tCtrl+N"),
          Item("FileLib", "New &Library"), Separator(), Item("FileOpen", "&Open...\tCtrl+O"),
          Item("FileSave", "&Save\tCtrl+S"), Item("FileSaveAs", "Save &As..."),
          Item("FileSaveAll", "Save A&ll"), Separator(), Item("FilePrint", "&Print..."),
          Item("FilePage", "Page Set&up..."), Separator(), Mru("FileMruList", "Recent &Files"), Separator(),
          Item("FileExit", "E&xit")}},
        {"", "&Edit", EditItems()},
        {"",
         "&View",
         {Item("ViewOutput", "&Output"), Item("ViewProject", "&Project Explorer"), Item("ViewHelp", "&Help"),
          Item("ViewTask", "&Task List"), Separator(), Item("ViewStatus", "&Status Bar"),
          Item("ViewToolbar", "Tool &Bar"), Separator(),
          Submenu("ViewOptions", "&Documents",
                  {Item("ViewPrevious", "&Previous Document"), Item("ViewNext", "&Next Document")})}},
        {"",
         "&Project",
         {Item("ProjectNew", "&New File in Project"), Item("ProjectOpen", "&Open Solution..."),
          Mru("ProjectList", "Recent &Solutions"), Item("ProjectSave", "&Save Solution"), Separator(),
          Submenu("ProjectAdd", "&Add", {Item("ProjectFile", "&File..."), Item("ProjectNew", "&New File")}),
          Item("ProjectRemove", "&Remove File"), Separator(), Item("ProjectOptions", "&Properties...")}},
        {"",
         "&Build",
         {Item("BuildBuild", "&Build\tF5"), Item("BuildAll", "Build &All"),
          Item("BuildExecute", "&Execute\tCtrl+F5"), Separator(), Item("BuildClean", "&Clean")}},
        {"",
         "&Tools",
         {Item("ToolReg", "&Registry Editor"), Item("ToolRun", "&Run..."), Item("ToolRes", "Re&sources"),
          Item("ToolCmd", "&Command Prompt"), Separator(), Item("ToolSetings", "&Settings...")}},
        {"",
         "&Help",
         {Item("HelpIndex", "&Index"), Item("HelpApi", "&API Reference"), Item("HelpSupport", "&Support")}}};
    return menus;
}

const std::vector<MenuSpec>& PopupSpecs()
{
    static const std::vector<MenuSpec> popups = {{"Edit", "Edit", EditItems()},
                                                 {"ProjectTree", "Project", ProjectTreeItems()}};
    return popups;
}

const std::vector<ToolButtonSpec>& ToolBarSpec()
{
    // The buttons' pictures in the program's strip TOOLSTRIP, in strip order.
    static const std::vector<ToolButtonSpec> buttons = {
        {ToolButtonKind::Button, "FileFile", "New File", 0},
        {ToolButtonKind::Button, "FileOpen2", "Open", 1},
        {ToolButtonKind::Button, "FileSave", "Save", 2},
        {ToolButtonKind::Button, "FileSaveAll", "Save All", 3},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Button, "EditCut", "Cut", 4},
        {ToolButtonKind::Button, "EditCopy", "Copy", 5},
        {ToolButtonKind::Button, "EditPaste", "Paste", 6},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Button, "EditUndo", "Undo", 7},
        {ToolButtonKind::Button, "EditRedo", "Redo", 8},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Button, "BuildBuild", "Build", 9},
        {ToolButtonKind::Button, "BuildExecute", "Execute", 10},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Combo, "BuildPage", "Configuration", -1}};
    return buttons;
}

const std::vector<std::string>& BuildPages()
{
    static const std::vector<std::string> pages = {"Win32 Release", "Win32 Debug", "Win32 Library"};
    return pages;
}

}  // namespace kforge
