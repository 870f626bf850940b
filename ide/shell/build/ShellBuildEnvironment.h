#pragma once
// The build commands' environment inside the IDE: the settings from the
// registry, the file system through Win32, the tools run into the main
// window's Output pane, and the documents of its docking host.

#include <windows.h>

#include <string>

#include "BuildCommands.h"

namespace kforge {

class IDocument;
class MainWindow;

class ShellBuildEnvironment : public BuildEnvironment {
public:
    // active: the document the command was given (the active one when it
    // started), or null.
    ShellBuildEnvironment(MainWindow& main, IDocument* active) : main_(main), active_(active) {}

    std::string Setting(const std::string& name) override;

    void RemoveFile(const std::string& path) override;
    void RemoveMatching(const std::string& folder, const std::string& pattern) override;
    void CreateFolder(const std::string& path) override;
    void CopyOver(const std::string& from, const std::string& to) override;
    void SetCurrentFolder(const std::string& path) override;
    std::string CurrentFolder() override;
    std::string ReadTextFile(const std::string& path) override;
    bool IsNormalFile(const std::string& path) override;

    void ClearOutput() override;
    int RunToolCommand(const std::string& commandTemplate, const std::string& file) override;
    int ExecCmd(const std::string& command) override;

    bool SaveBuildFile(const std::string& path) override;
    void SaveActiveDocumentAs(const std::string& path) override;
    bool SaveActiveDocumentChanges() override;

    void ShowMessage(const std::string& text, const std::string& title, unsigned flags) override;
    void StartProgram(const std::string& path) override;

private:
    MainWindow& main_;
    IDocument* active_;
};

}  // namespace kforge
