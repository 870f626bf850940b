#include "CommandDispatcher.h"

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include "AppPath.h"
#include "BuildActions.h"
#include "CodeEdit.h"
#include "Dialogs.h"
#include "IDocument.h"
#include "MainWindow.h"
#include "NewProjectDialog.h"
#include "NowText.h"
#include "ProcessStart.h"
#include "ProjectPropertiesDialog.h"
#include "Registry.h"
#include "RunDialog.h"
#include "SettingsDialog.h"
#include "SolutionFile.h"
#include "SourceTemplates.h"
#include "Texts.h"

namespace kforge {

namespace {

constexpr const char* kDefaultTitle = "Kiln Forge";
constexpr const char* kSupportAddress = "mailto:support@kilnforge.example";
constexpr const char* kHelpCollections =
    "SOFTWARE\\Microsoft\\HTML Help Collections\\Developer Collections\\0x0409";
const char kProjectFilter[] = "Kiln Files (*.ksl)\0*.ksl\0All Files (*.*)\0*.*";

struct EditCommand {
    const char* key;
    int id;
};
constexpr EditCommand kEditCommands[] = {{"EditUndo", 129}, {"EditRedo", 139},  {"EditCut", 197},
                                         {"EditCopy", 198}, {"EditPaste", 140}, {"EditDelete", 195},
                                         {"EditFind", 178}, {"EditNext", 176},  {"EditReplace", 169},
                                         {"EditGoTo", 168}, {"EditSelAll", 137}};
constexpr int kGoToArgument = -1;

struct PaneCommand {
    const char* key;
    const char* pane;
};
constexpr PaneCommand kPaneCommands[] = {{"ViewOutput", "frmOutput"},
                                         {"ViewProject", "frmProject"},
                                         {"ViewHelp", "frmHelp"},
                                         {"ViewTask", "frmTask"}};

// A file a plain listing shows: read-only and archive files count; folders,
// hidden and system files do not.
bool NormalFileExists(const std::string& path)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) { return false; }
    bool normal = false;
    do {
        normal = !(found.dwFileAttributes &
                   (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    } while (!normal && FindNextFileA(search, &found));
    FindClose(search);
    return normal;
}

}  // namespace

// The order in which the keys are compared.
const CommandDispatcher::Entry CommandDispatcher::kTable[] = {
    {"FileProject", &CommandDispatcher::NewProject},
    {"FileFile", &CommandDispatcher::NewFromTemplate},
    {"ProjectNew", &CommandDispatcher::NewFromTemplate},
    {"FileLib", &CommandDispatcher::NewFromTemplate},
    {"ProjectSave", &CommandDispatcher::SaveProject},
    {"FileOpen", &CommandDispatcher::Open},
    {"FileOpen2", &CommandDispatcher::Open},
    {"ProjectFile", &CommandDispatcher::Open},
    {"ProjectRemove", &CommandDispatcher::RemoveFromProject},
    {"ProjectOpen", &CommandDispatcher::OpenProject},
    {"FileSave", &CommandDispatcher::Save},
    {"FileSaveAs", &CommandDispatcher::SaveAs},
    {"FileSaveAll", &CommandDispatcher::SaveAll},
    {"FilePrint", &CommandDispatcher::Print},
    {"FilePage", &CommandDispatcher::PageSetup},
    {"FileMruList", &CommandDispatcher::OpenRecent},
    {"ProjectList", &CommandDispatcher::OpenRecent},
    {"FileExit", &CommandDispatcher::Exit},
    {"EditUndo", &CommandDispatcher::Edit},
    {"EditRedo", &CommandDispatcher::Edit},
    {"EditCut", &CommandDispatcher::Edit},
    {"EditCopy", &CommandDispatcher::Edit},
    {"EditPaste", &CommandDispatcher::Edit},
    {"EditDelete", &CommandDispatcher::Edit},
    {"EditFind", &CommandDispatcher::Edit},
    {"EditNext", &CommandDispatcher::Edit},
    {"EditReplace", &CommandDispatcher::Edit},
    {"EditGoTo", &CommandDispatcher::Edit},
    {"EditSelAll", &CommandDispatcher::Edit},
    {"ViewOutput", &CommandDispatcher::TogglePane},
    {"ViewProject", &CommandDispatcher::TogglePane},
    {"ViewHelp", &CommandDispatcher::TogglePane},
    {"ViewTask", &CommandDispatcher::TogglePane},
    {"ViewStatus", &CommandDispatcher::ToggleBar},
    {"ViewToolbar", &CommandDispatcher::ToggleBar},
    {"ViewPrevious", &CommandDispatcher::ActivateNeighbour},
    {"ViewNext", &CommandDispatcher::ActivateNeighbour},
    {"ProjectOptions", &CommandDispatcher::ProjectOptions},
    {"BuildBuild", &CommandDispatcher::Build},
    {"BuildAll", &CommandDispatcher::Build},
    {"BuildExecute", &CommandDispatcher::Build},
    {"BuildClean", &CommandDispatcher::Build},
    {"ToolReg", &CommandDispatcher::RegistryEditor},
    {"ToolRun", &CommandDispatcher::RunDialog},
    {"ToolRes", &CommandDispatcher::Nothing},
    {"ToolCmd", &CommandDispatcher::CommandPrompt},
    {"ToolSetings", &CommandDispatcher::Settings},
    {"HelpSupport", &CommandDispatcher::Support},
    {"HelpIndex", &CommandDispatcher::HelpIndex},
    {"HelpApi", &CommandDispatcher::PlatformHelp},
};

CommandDispatcher::CommandDispatcher(MainWindow& main) : main_(main), newProjectHost_(main) {}

CommandDispatcher::~CommandDispatcher() = default;

void CommandDispatcher::Dispatch(Tool& tool)
{
    const std::string key = tool.Key();
    for (const Entry& entry : kTable) {
        if (key != entry.key) { continue; }
        if ((this->*entry.action)(tool) == Flow::Ended) { return; }
        break;
    }
    main_.UpdateUI(false);
}

int CommandDispatcher::EditCommandId(const std::string& key)
{
    for (const EditCommand& command : kEditCommands) {
        if (key == command.key) { return command.id; }
    }
    return 0;
}

// ---- files and the solution

CommandDispatcher::Flow CommandDispatcher::NewProject(Tool&)
{
    NewProjectDialog dialog(newProjectHost_);
    dialog.ShowModal(main_.Hwnd());
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::NewFromTemplate(Tool& tool)
{
    const std::string name = std::to_string(main_.NewDocument(""));
    std::shared_ptr<DocWindow> active = main_.Dock().ActiveWindow();
    CodeEdit* editor = main_.ActiveEditor();
    if (!active || !editor) { return Flow::Refresh; }
    editor->SetText(tool.Key() == "FileLib" ? LibrarySource(NowText()) : ApplicationSource(NowText()));
    main_.UpdateUI(false);
    const std::string key = main_.DocumentKeyFor(name);
    active->SetKey(key);
    if (tool.Key() == "ProjectNew" && main_.Explorer()) { main_.Explorer()->AddBlankItem(key); }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::SaveProject(Tool&)
{
    main_.SaveProject();
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Open(Tool& tool)
{
    std::string filter;
    main_.OpenFile(&tool, filter);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::RemoveFromProject(Tool&)
{
    if (main_.Explorer()) { main_.Explorer()->RemoveCurrentFileItem(); }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::OpenProject(Tool& tool)
{
    std::string filter(kProjectFilter, sizeof kProjectFilter - 1);
    main_.OpenFile(&tool, filter);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Save(Tool& tool)
{
    bool saveAs = false;
    main_.SaveFile(&tool, saveAs);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::SaveAs(Tool& tool)
{
    bool saveAs = true;
    main_.SaveFile(&tool, saveAs);
    return Flow::Refresh;
}

// Each file document is saved through the "FileSave" command in turn; the
// document that was active is active again at the end.
CommandDispatcher::Flow CommandDispatcher::SaveAll(Tool&)
{
    const int activeIndex = main_.GetActiveDocumentId();
    Tool* save = main_.Dock().Tools("FileSave");
    for (const std::shared_ptr<DocWindow>& window : main_.Dock().Windows().Snapshot()) {
        if (window->IsPane() || !window->Form() || window->Index() == 0) { continue; }
        if (window->Caption() == " Start Page ") { window->SetKey("Startup"); }
        if (IsFileItemKey(window->Key()) && save) {
            window->Activate();
            Dispatch(*save);
        }
    }
    main_.SaveProject();
    if (std::shared_ptr<DocWindow> previous = main_.Dock().Windows().Item(activeIndex)) {
        previous->Activate();
    }
    return Flow::Refresh;
}

// The system's default printer, without a dialog; nothing prints when
// there is none.
CommandDispatcher::Flow CommandDispatcher::Print(Tool&)
{
    CodeEdit* editor = main_.ActiveEditor();
    if (!editor) { return Flow::Refresh; }
    PRINTDLGA print{};
    print.lStructSize = sizeof print;
    print.hwndOwner = main_.Hwnd();
    print.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (PrintDlgA(&print) && print.hDC) {
        editor->PrintContents(print.hDC);
        DeleteDC(print.hDC);
    }
    if (print.hDevMode) { GlobalFree(print.hDevMode); }
    if (print.hDevNames) { GlobalFree(print.hDevNames); }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::PageSetup(Tool&)
{
    ShowMessage(main_.Hwnd(), " Not implemented !", kDefaultTitle, MB_OK);
    return Flow::Refresh;
}

// A listed file that is gone leaves the list; any other opens, and the
// open refreshes the command state itself.
CommandDispatcher::Flow CommandDispatcher::OpenRecent(Tool& tool)
{
    const std::string path = Trim(tool.ClickedEntryText());
    if (!NormalFileExists(path)) {
        tool.RemoveClickedEntry();
        return Flow::Refresh;
    }
    main_.pendingOpenPath = path;
    std::string filter;
    main_.OpenFile(&tool, filter);
    return Flow::Ended;
}

CommandDispatcher::Flow CommandDispatcher::Exit(Tool&)
{
    PostMessageA(main_.Hwnd(), WM_CLOSE, 0, 0);
    return Flow::Refresh;
}

// ---- editing and the view

CommandDispatcher::Flow CommandDispatcher::Edit(Tool& tool)
{
    CodeEdit* editor = main_.ActiveEditor();
    const int id = EditCommandId(tool.Key());
    if (!editor) { return Flow::Refresh; }
    if (tool.Key() == "EditGoTo") {
        editor->ExecuteCmd(id, kGoToArgument);
    } else {
        editor->ExecuteCmd(id);
    }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::TogglePane(Tool& tool)
{
    for (const PaneCommand& command : kPaneCommands) {
        if (tool.Key() != command.key) { continue; }
        if (Pane* pane = main_.Dock().Panes(command.pane)) { pane->SetVisible(!pane->Visible()); }
    }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::ToggleBar(Tool& tool)
{
    CommandBar* bar = main_.Dock().CommandBars(tool.Key() == "ViewStatus" ? "StatusBar" : "StandartBar");
    if (!bar) { return Flow::Refresh; }
    bar->SetVisible(!bar->Visible());
    tool.SetState(bar->Visible() ? 1 : 0);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::ActivateNeighbour(Tool& tool)
{
    const int step = tool.Key() == "ViewNext" ? 1 : -1;
    if (std::shared_ptr<DocWindow> window = main_.Dock().Windows().Item(main_.GetActiveDocumentId() + step)) {
        window->Activate();
    }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::ProjectOptions(Tool&)
{
    ProjectPropertiesDialog dialog(main_);
    dialog.ShowModal(main_.Hwnd());
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Build(Tool& tool)
{
    if (IsBuildCommand(tool.Key()) && RunBuildCommand(main_, tool.Key()) == BuildOutcome::EndedEarly) {
        return Flow::Ended;
    }
    return Flow::Refresh;
}

// ---- tools and help

CommandDispatcher::Flow CommandDispatcher::RegistryEditor(Tool&)
{
    StartProcess("regedit.exe", SW_SHOWNORMAL);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::RunDialog(Tool&)
{
    ShowRunDialog();
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Nothing(Tool&) { return Flow::Refresh; }

CommandDispatcher::Flow CommandDispatcher::CommandPrompt(Tool&)
{
    if (StartProcess("cmd.exe", SW_SHOWNORMAL) == 0) { StartProcess("command", SW_SHOWNORMAL); }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Settings(Tool&)
{
    SettingsDialog dialog(main_.Values());
    dialog.ShowModal(main_.Hwnd());
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Support(Tool&)
{
    ShellExecuteA(main_.Hwnd(), "open", kSupportAddress, "", "", SW_SHOW);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::HelpIndex(Tool&)
{
    ShellExecuteA(main_.Hwnd(), "open", (AppPath() + "\\kiln.chm").c_str(), "", "", SW_SHOW);
    return Flow::Refresh;
}

// The first collection of the platform help, in the help viewer.
CommandDispatcher::Flow CommandDispatcher::PlatformHelp(Tool&)
{
    const std::string collection = EnumRegKeys(HKEY_LOCAL_MACHINE, kHelpCollections);
    const std::string file = LowerCase(
        GetRegValue(HKEY_LOCAL_MACHINE, std::string(kHelpCollections) + "\\" + collection, "Filename"));
    StartProcess("hh.exe " + file, SW_SHOWMINIMIZED);
    return Flow::Refresh;
}

}  // namespace kforge
