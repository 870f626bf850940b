#include "CommandDispatcher.h"

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include "AppPath.h"
#include "CodeEdit.h"
#include "Dialogs.h"
#include "DockKeys.h"
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
constexpr int kGoToArgument = -1;  // Go To's second argument

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

CommandDispatcher::CommandDispatcher(MainWindow& main)
    : main_(main), newProjectHost_(main), table_(MakeTable())
{
}

CommandDispatcher::~CommandDispatcher() = default;

std::vector<CommandDispatcher::Entry> CommandDispatcher::MakeTable()
{
    using D = CommandDispatcher;
    return {
        {keys::kFileProject, Run(&D::NewProject)},
        {keys::kFileFile, NewFromTemplate(Template::Application, false)},
        {keys::kProjectNew, NewFromTemplate(Template::Application, true)},
        {keys::kFileLib, NewFromTemplate(Template::Library, false)},
        {keys::kProjectSave, Run(&D::SaveProject)},
        {keys::kFileOpen, RunWithTool(&D::Open)},
        {keys::kFileOpen2, RunWithTool(&D::Open)},
        {keys::kProjectFile, RunWithTool(&D::Open)},
        {keys::kProjectRemove, Run(&D::RemoveFromProject)},
        {keys::kProjectOpen, RunWithTool(&D::OpenProject)},
        {keys::kFileSave, Save(false)},
        {keys::kFileSaveAs, Save(true)},
        {keys::kFileSaveAll, Run(&D::SaveAll)},
        {keys::kFilePrint, Run(&D::Print)},
        {keys::kFilePage, Run(&D::PageSetup)},
        {keys::kFileMruList, RunWithTool(&D::OpenRecent)},
        {keys::kProjectList, RunWithTool(&D::OpenRecent)},
        {keys::kFileExit, Run(&D::Exit)},
        {keys::kEditUndo, Edit(CodeEdit::kCmdUndo)},
        {keys::kEditRedo, Edit(CodeEdit::kCmdRedo)},
        {keys::kEditCut, Edit(CodeEdit::kCmdCut)},
        {keys::kEditCopy, Edit(CodeEdit::kCmdCopy)},
        {keys::kEditPaste, Edit(CodeEdit::kCmdPaste)},
        {keys::kEditDelete, Edit(CodeEdit::kCmdDelete)},
        {keys::kEditFind, Edit(CodeEdit::kCmdFind)},
        {keys::kEditNext, Edit(CodeEdit::kCmdFindNext)},
        {keys::kEditReplace, Edit(CodeEdit::kCmdReplace)},
        {keys::kEditGoTo, Run(&D::GoTo)},
        {keys::kEditSelAll, Edit(CodeEdit::kCmdSelectAll)},
        {keys::kViewOutput, TogglePane(keys::kOutputPane)},
        {keys::kViewProject, TogglePane(keys::kProjectPane)},
        {keys::kViewHelp, TogglePane(keys::kHelpPane)},
        {keys::kViewTask, TogglePane(keys::kTaskPane)},
        {keys::kViewStatus, ToggleBar(keys::kStatusBar)},
        {keys::kViewToolbar, ToggleBar(keys::kStandartBar)},
        {keys::kViewPrevious, ActivateNeighbour(-1)},
        {keys::kViewNext, ActivateNeighbour(1)},
        {keys::kProjectOptions, Run(&D::ProjectOptions)},
        {keys::kBuildBuild, Build(BuildBuild)},
        {keys::kBuildAll, Build(BuildAll)},
        {keys::kBuildExecute, Build(BuildExecute)},
        {keys::kBuildClean, Build(BuildClean)},
        {keys::kToolReg, Run(&D::RegistryEditor)},
        {keys::kToolRun, Run(&D::RunDialog)},
        {keys::kToolRes, Run(&D::Nothing)},
        {keys::kToolCmd, Run(&D::CommandPrompt)},
        {keys::kToolSetings, Run(&D::Settings)},
        {keys::kHelpSupport, Run(&D::Support)},
        {keys::kHelpIndex, Run(&D::HelpIndex)},
        {keys::kHelpApi, Run(&D::PlatformHelp)},
    };
}

CommandDispatcher::Action CommandDispatcher::Run(Flow (CommandDispatcher::*action)())
{
    return [this, action](Tool&) { return (this->*action)(); };
}

CommandDispatcher::Action CommandDispatcher::RunWithTool(Flow (CommandDispatcher::*action)(Tool&))
{
    return [this, action](Tool& tool) { return (this->*action)(tool); };
}

void CommandDispatcher::Dispatch(Tool& tool)
{
    const std::string key = tool.Key();
    for (const Entry& entry : table_) {
        if (key != entry.key) { continue; }
        if (entry.action(tool) == Flow::Ended) { return; }
        break;
    }
    main_.UpdateUI(false);
}

// ---- files and the solution

CommandDispatcher::Flow CommandDispatcher::NewProject()
{
    NewProjectDialog dialog(newProjectHost_);
    dialog.ShowModal(main_.Hwnd());
    return Flow::Refresh;
}

CommandDispatcher::Action CommandDispatcher::NewFromTemplate(Template source, bool addToProject)
{
    return [this, source, addToProject](Tool&) {
        const std::string name = std::to_string(main_.NewDocument(""));
        std::shared_ptr<DocWindow> active = main_.Dock().ActiveWindow();
        CodeEdit* editor = main_.ActiveEditor();
        if (!active || !editor) { return Flow::Refresh; }
        editor->SetText(source == Template::Library ? LibrarySource(NowText()) : ApplicationSource(NowText()));
        main_.UpdateUI(false);
        const std::string key = main_.DocumentKeyFor(name);
        active->SetKey(key);
        if (addToProject && main_.Explorer()) { main_.Explorer()->AddBlankItem(key); }
        return Flow::Refresh;
    };
}

CommandDispatcher::Flow CommandDispatcher::SaveProject()
{
    main_.SaveProject();
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Open(Tool& tool)
{
    main_.OpenFile(&tool, std::string());
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::RemoveFromProject()
{
    if (main_.Explorer()) { main_.Explorer()->RemoveCurrentFileItem(); }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::OpenProject(Tool& tool)
{
    main_.OpenFile(&tool, std::string(kProjectFilter, sizeof kProjectFilter - 1));
    return Flow::Refresh;
}

CommandDispatcher::Action CommandDispatcher::Save(bool saveAs)
{
    return [this, saveAs](Tool&) {
        main_.SaveFile(saveAs);
        return Flow::Refresh;
    };
}

// Each file document is saved through the "FileSave" command in turn; the
// document that was active is active again at the end.
CommandDispatcher::Flow CommandDispatcher::SaveAll()
{
    const int activeIndex = main_.GetActiveDocumentId();
    Tool* save = main_.Dock().Tools(keys::kFileSave);
    for (const std::shared_ptr<DocWindow>& window : main_.Dock().Windows().Snapshot()) {
        if (window->IsPane() || !window->Form() || window->Index() == 0) { continue; }
        if (window->Caption() == keys::kStartPageCaption) { window->SetKey(keys::kStartPageKey); }
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
CommandDispatcher::Flow CommandDispatcher::Print()
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

CommandDispatcher::Flow CommandDispatcher::PageSetup()
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
    main_.OpenFile(&tool, std::string(), path);
    return Flow::Ended;
}

CommandDispatcher::Flow CommandDispatcher::Exit()
{
    PostMessageA(main_.Hwnd(), WM_CLOSE, 0, 0);
    return Flow::Refresh;
}

// ---- editing and the view

CommandDispatcher::Action CommandDispatcher::Edit(int commandId)
{
    return [this, commandId](Tool&) {
        if (CodeEdit* editor = main_.ActiveEditor()) { editor->ExecuteCmd(commandId); }
        return Flow::Refresh;
    };
}

CommandDispatcher::Flow CommandDispatcher::GoTo()
{
    if (CodeEdit* editor = main_.ActiveEditor()) { editor->ExecuteCmd(CodeEdit::kCmdGoToLine, kGoToArgument); }
    return Flow::Refresh;
}

CommandDispatcher::Action CommandDispatcher::TogglePane(const char* pane)
{
    return [this, pane](Tool&) {
        if (Pane* found = main_.Dock().Panes(pane)) { found->SetVisible(!found->Visible()); }
        return Flow::Refresh;
    };
}

// The tool's check state follows the bar.
CommandDispatcher::Action CommandDispatcher::ToggleBar(const char* bar)
{
    return [this, bar](Tool& tool) {
        CommandBar* found = main_.Dock().CommandBars(bar);
        if (!found) { return Flow::Refresh; }
        found->SetVisible(!found->Visible());
        tool.SetState(found->Visible() ? 1 : 0);
        return Flow::Refresh;
    };
}

CommandDispatcher::Action CommandDispatcher::ActivateNeighbour(int step)
{
    return [this, step](Tool&) {
        if (std::shared_ptr<DocWindow> window = main_.Dock().Windows().Item(main_.GetActiveDocumentId() + step)) {
            window->Activate();
        }
        return Flow::Refresh;
    };
}

CommandDispatcher::Flow CommandDispatcher::ProjectOptions()
{
    ProjectPropertiesDialog dialog(main_);
    dialog.ShowModal(main_.Hwnd());
    return Flow::Refresh;
}

CommandDispatcher::Action CommandDispatcher::Build(BuildCommand command)
{
    return [this, command](Tool&) {
        return RunBuildCommand(main_, command) == BuildOutcome::EndedEarly ? Flow::Ended : Flow::Refresh;
    };
}

// ---- tools and help

CommandDispatcher::Flow CommandDispatcher::RegistryEditor()
{
    StartProcess("regedit.exe", SW_SHOWNORMAL);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::RunDialog()
{
    ShowRunDialog();
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Nothing() { return Flow::Refresh; }

CommandDispatcher::Flow CommandDispatcher::CommandPrompt()
{
    if (StartProcess("cmd.exe", SW_SHOWNORMAL) == 0) { StartProcess("command", SW_SHOWNORMAL); }
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Settings()
{
    SettingsDialog dialog(main_.Values());
    dialog.ShowModal(main_.Hwnd());
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::Support()
{
    ShellExecuteA(main_.Hwnd(), "open", kSupportAddress, "", "", SW_SHOW);
    return Flow::Refresh;
}

CommandDispatcher::Flow CommandDispatcher::HelpIndex()
{
    ShellExecuteA(main_.Hwnd(), "open", (AppPath() + "\\kiln.chm").c_str(), "", "", SW_SHOW);
    return Flow::Refresh;
}

// The first collection of the platform help, in the help viewer.
CommandDispatcher::Flow CommandDispatcher::PlatformHelp()
{
    const std::string collection = EnumRegKeys(HKEY_LOCAL_MACHINE, kHelpCollections);
    const std::string file = LowerCase(
        GetRegValue(HKEY_LOCAL_MACHINE, std::string(kHelpCollections) + "\\" + collection, "Filename"));
    StartProcess("hh.exe " + file, SW_SHOWMINIMIZED);
    return Flow::Refresh;
}

}  // namespace kforge
