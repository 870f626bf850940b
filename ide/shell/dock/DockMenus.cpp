#include "DockMenus.h"

#include "DockKeys.h"

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
    return {Item(keys::kEditUndo, "&Undo\tCtrl+Z"),
            Item(keys::kEditRedo, "&Redo\tCtrl+Y"),
            Separator(),
            Item(keys::kEditCut, "Cu&t\tCtrl+X"),
            Item(keys::kEditCopy, "&Copy\tCtrl+C"),
            Item(keys::kEditPaste, "&Paste\tCtrl+V"),
            Item(keys::kEditDelete, "&Delete\tDel"),
            Separator(),
            Item(keys::kEditSelAll, "Select &All\tCtrl+A"),
            Separator(),
            Item(keys::kEditFind, "&Find...\tCtrl+F"),
            Item(keys::kEditNext, "Find &Next\tF3"),
            Item(keys::kEditReplace, "R&eplace...\tCtrl+H"),
            Item(keys::kEditGoTo, "&Go To...\tCtrl+G")};
}

std::vector<MenuItemSpec> ProjectTreeItems()
{
    return {Item(keys::kProjectNew, "&New File in Project"), Item(keys::kProjectFile, "Add &File..."),
            Item(keys::kProjectRemove, "&Remove File"),      Separator(),
            Item(keys::kProjectSave, "&Save Solution"),      Item(keys::kProjectOptions, "&Properties...")};
}

}  // namespace

const std::vector<MenuSpec>& MenuBarSpec()
{
    static const std::vector<MenuSpec> menus = {
        {"",
         "&File",
         {Item(keys::kFileProject, "New &Project..."), Item(keys::kFileFile, "&New File\tCtrl+N"),
          Item(keys::kFileLib, "New &Library"), Separator(), Item(keys::kFileOpen, "&Open...\tCtrl+O"),
          Item(keys::kFileSave, "&Save\tCtrl+S"), Item(keys::kFileSaveAs, "Save &As..."),
          Item(keys::kFileSaveAll, "Save A&ll"), Separator(), Item(keys::kFilePrint, "&Print..."),
          Item(keys::kFilePage, "Page Set&up..."), Separator(), Mru(keys::kFileMruList, "Recent &Files"), Separator(),
          Item(keys::kFileExit, "E&xit")}},
        {"", "&Edit", EditItems()},
        {"",
         "&View",
         {Item(keys::kViewOutput, "&Output"), Item(keys::kViewProject, "&Project Explorer"), Item(keys::kViewHelp, "&Help"),
          Item(keys::kViewTask, "&Task List"), Separator(), Item(keys::kViewStatus, "&Status Bar"),
          Item(keys::kViewToolbar, "Tool &Bar"), Separator(),
          Submenu(keys::kViewOptions, "&Documents",
                  {Item(keys::kViewPrevious, "&Previous Document"), Item(keys::kViewNext, "&Next Document")})}},
        {"",
         "&Project",
         {Item(keys::kProjectNew, "&New File in Project"), Item(keys::kProjectOpen, "&Open Solution..."),
          Mru(keys::kProjectList, "Recent &Solutions"), Item(keys::kProjectSave, "&Save Solution"), Separator(),
          Submenu(keys::kProjectAdd, "&Add", {Item(keys::kProjectFile, "&File..."), Item(keys::kProjectNew, "&New File")}),
          Item(keys::kProjectRemove, "&Remove File"), Separator(), Item(keys::kProjectOptions, "&Properties...")}},
        {"",
         "&Build",
         {Item(keys::kBuildBuild, "&Build\tF5"), Item(keys::kBuildAll, "Build &All"),
          Item(keys::kBuildExecute, "&Execute\tCtrl+F5"), Separator(), Item(keys::kBuildClean, "&Clean")}},
        {"",
         "&Tools",
         {Item(keys::kToolReg, "&Registry Editor"), Item(keys::kToolRun, "&Run..."), Item(keys::kToolRes, "Re&sources"),
          Item(keys::kToolCmd, "&Command Prompt"), Separator(), Item(keys::kToolSetings, "&Settings...")}},
        {"",
         "&Help",
         {Item(keys::kHelpIndex, "&Index"), Item(keys::kHelpApi, "&API Reference"), Item(keys::kHelpSupport, "&Support")}}};
    return menus;
}

const std::vector<MenuSpec>& PopupSpecs()
{
    static const std::vector<MenuSpec> popups = {{keys::kEditPopup, "Edit", EditItems()},
                                                 {keys::kProjectTreePopup, "Project", ProjectTreeItems()}};
    return popups;
}

const std::vector<ToolButtonSpec>& ToolBarSpec()
{
    // The buttons' pictures in the program's strip TOOLSTRIP, in strip order.
    static const std::vector<ToolButtonSpec> buttons = {
        {ToolButtonKind::Button, keys::kFileFile, "New File", 0},
        {ToolButtonKind::Button, keys::kFileOpen2, "Open", 1},
        {ToolButtonKind::Button, keys::kFileSave, "Save", 2},
        {ToolButtonKind::Button, keys::kFileSaveAll, "Save All", 3},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Button, keys::kEditCut, "Cut", 4},
        {ToolButtonKind::Button, keys::kEditCopy, "Copy", 5},
        {ToolButtonKind::Button, keys::kEditPaste, "Paste", 6},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Button, keys::kEditUndo, "Undo", 7},
        {ToolButtonKind::Button, keys::kEditRedo, "Redo", 8},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Button, keys::kBuildBuild, "Build", 9},
        {ToolButtonKind::Button, keys::kBuildExecute, "Execute", 10},
        {ToolButtonKind::Separator, "", "", -1},
        {ToolButtonKind::Combo, keys::kBuildPage, "Configuration", -1}};
    return buttons;
}

const std::vector<std::string>& BuildPages()
{
    static const std::vector<std::string> pages = {"Win32 Release", "Win32 Debug", "Win32 Library"};
    return pages;
}

}  // namespace kforge
