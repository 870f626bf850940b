#include "ShellBuildEnvironment.h"

#include "CodeEdit.h"
#include "CommandRunner.h"
#include "CommandTemplate.h"
#include "Dialogs.h"
#include "DockKeys.h"
#include "IDocument.h"
#include "MainWindow.h"
#include "Paths.h"
#include "ProcessStart.h"
#include "Registry.h"
#include "SettingsRules.h"

namespace kforge {

namespace {

constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool IsNormal(DWORD attributes) { return (attributes & kNotNormal) == 0; }

// A tool step is about to write into the Output pane: the pane shows, in
// front of the other panes of its side.
void BringOutputForward(MainWindow& main)
{
    if (Pane* output = main.Dock().Panes("frmOutput")) { output->SetVisible(true); }
}

// The names of the normal files in folder that match pattern.
std::vector<std::string> MatchingFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) { return names; }
    do {
        if (IsNormal(found.dwFileAttributes)) { names.emplace_back(found.cFileName); }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::string ShellBuildEnvironment::Setting(const std::string& name)
{
    return GetRegValue(HKEY_LOCAL_MACHINE, kSettingsKey, name);
}

void ShellBuildEnvironment::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

void ShellBuildEnvironment::RemoveMatching(const std::string& folder, const std::string& pattern)
{
    for (const std::string& name : MatchingFiles(folder, pattern)) { RemoveFile(folder + "\\" + name); }
}

void ShellBuildEnvironment::CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

void ShellBuildEnvironment::CopyOver(const std::string& from, const std::string& to)
{
    CopyFileA(from.c_str(), to.c_str(), FALSE);
}

void ShellBuildEnvironment::SetCurrentFolder(const std::string& path) { SetCurrentDirectoryA(path.c_str()); }

std::string ShellBuildEnvironment::CurrentFolder()
{
    const DWORD length = GetCurrentDirectoryA(0, nullptr);
    if (length == 0) { return std::string(); }
    std::string folder(length, '\0');
    folder.resize(GetCurrentDirectoryA(length, folder.data()));
    return folder;
}

std::string ShellBuildEnvironment::ReadTextFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) { return std::string(); }
    std::string text;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        text.append(buffer, count);
    }
    CloseHandle(file);
    return text;
}

bool ShellBuildEnvironment::IsNormalFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && IsNormal(attributes);
}

void ShellBuildEnvironment::ClearOutput() { main_.Output().ClearOutput(); }

int ShellBuildEnvironment::RunToolCommand(const std::string& commandTemplate, const std::string& file)
{
    BringOutputForward(main_);
    return kforge::RunToolCommand(main_.Output(), main_.Hwnd(), commandTemplate, file);
}

int ShellBuildEnvironment::ExecCmd(const std::string& command)
{
    BringOutputForward(main_);
    return kforge::ExecCmd(command, &main_.Output());
}

// The first open editor document of a solution file holding path writes its
// current text, unsaved changes included, into the solution's Release folder.
bool ShellBuildEnvironment::SaveBuildFile(const std::string& path)
{
    for (const auto& window : main_.Dock().Windows().Snapshot()) {
        IDocument* document = window->Form();
        if (window->IsPane() || !document || !StartsWith(window->Key(), "file")) { continue; }
        if (document->FileName() != path) { continue; }
        const std::string copy = GetPath(main_.Values().solutionPath) + "\\Release\\" + GetFileName(path);
        if (CodeEdit* editor = document->Editor()) { editor->SaveFile(copy, false); }
        return true;
    }
    return false;
}

void ShellBuildEnvironment::SaveActiveDocumentAs(const std::string& path)
{
    if (active_ && active_->Editor()) { active_->Editor()->SaveFile(path, false); }
}

// The command was given to the active document, so the save command saves it.
bool ShellBuildEnvironment::SaveActiveDocumentChanges()
{
    if (!active_ || !active_->DocChanged()) { return true; }
    main_.RunCommand(keys::kFileSave);
    return !active_->DocChanged();
}

void ShellBuildEnvironment::ShowMessage(const std::string& text, const std::string& title, unsigned flags)
{
    kforge::ShowMessage(main_.Hwnd(), text, title, flags);
}

// A normal window with the focus; the IDE does not wait for the program.
void ShellBuildEnvironment::StartProgram(const std::string& path)
{
    StartProcess(QuoteIfBlank(path), SW_SHOWNORMAL);
}

}  // namespace kforge
