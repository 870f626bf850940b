#pragma once
// The main window "  Kiln Forge 2004": the IDE's only frame. It holds the
// docking host with the documents and panes, the shared values, and the
// poll through which a second start of the program hands over its file
// (the registry value "OpenFile"). One instance per process, one process
// per Wine prefix or Windows session (a named mutex).

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CommandDispatcher.h"
#include "DockHost.h"
#include "ExplorerHost.h"
#include "HelpPane.h"
#include "IDocumentHost.h"
#include "IProjectPropertiesHost.h"
#include "OutputPane.h"
#include "ProjectExplorer.h"
#include "ShellValues.h"
#include "TaskListPane.h"
#include "Window.h"

namespace kforge {

class CodeEdit;

class MainWindow : public Window, public IDocumentHost, public IProjectPropertiesHost, private IDockEvents {
public:
    MainWindow();
    ~MainWindow() override;
    // The timer of the open-request poll.
    static constexpr UINT_PTR kPollTimerId = 2;

    // The start-up sequence. False when this process is to end at once:
    // another instance runs (it got the command line's file) or the window
    // could not be made.
    bool Start(const std::string& commandLine);
    // True once the start-up sequence has run to its end.
    bool Started() const { return started_; }
    DockHost& Dock() { return dock_; }
    OutputPane& Output() { return output_; }
    // Null until start-up made the pane.
    ProjectExplorer* Explorer() { return explorer_.get(); }
    TaskListPane* Tasks() { return tasks_.get(); }
    // The file paths of the Project Explorer's file items, in tree order.
    std::vector<std::string> ProjectFilePaths() const;
    ShellValues& Values() override { return values_; }
    // Opens path, or when it is blank asks for a file with the open dialog
    // (filter empty = the default one). A solution (.ksl) replaces the open
    // file documents with its own; an open document of another file is
    // activated, else the file opens in a new editor document. The tool
    // "ProjectFile" also adds the file to the solution.
    void OpenFile(Tool* tool, const std::string& filter, const std::string& path = std::string());
    // Saves the active document under its name, or under one chosen in the
    // save dialog (saveAs, or a document never saved), then the solution.
    void SaveFile(bool saveAs);
    // Writes the solution file when a solution is named, asking for its
    // path when it has none (the default solution counts as none).
    void SaveProject();
    // Rebuilds the Project Explorer's fixed items.
    void InitializeProject();

    // Runs the command of the tool with that key as if the user chose it.
    void RunCommand(const std::string& key);

    // Documents and panes.
    int NewDocument(const std::string& path);
    void ShowStartPage();
    // The active document's Index, or -1.
    int GetActiveDocumentId() const;
    void AttachPane(const std::string& key, Window& window);
    void AddMruItem(const std::string& toolKey, const std::string& text);
    // The document window with that Id; null when there is none.
    std::shared_ptr<DocWindow> WindowById(int id);
    // The editor of the active document; null for none or the Start Page.
    CodeEdit* ActiveEditor() const;
    // The key a document of path takes: that of the Project Explorer item
    // listing it, else a new "file" & n.
    std::string DocumentKeyFor(const std::string& path);

    // IDocumentHost
    void UpdateUI(bool projectTools) override;
    void SetStatus1(const std::string& text) override { dock_.SetStatusText(0, text); }
    void ShowEditPopup() override;

    // IProjectPropertiesHost
    int ExplorerItemCount() const override;
    TreeNode ExplorerItemNode(int index) const override;
    void RenameExplorerItem(int index, const std::string& text) override;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool CreateFrame();
    void RestoreLayout();
    void RestorePlacement();
    void CreatePanes();
    void Poll();
    void OpenSingleFile(Tool* tool, const std::string& file);
    void OpenSolution(const std::string& file);
    // Offers to save each changed or never-saved file document, then closes
    // every document but the Start Page.
    void CloseSolutionDocuments();
    // Saves a document under path and renames it; false when the write failed.
    bool SaveDocumentAs(DocWindow& window, const std::string& path);
    // The path the closing prompt's Yes saves to; "" when none was chosen.
    std::string ClosingSavePath(const IDocument& document);
    // The close request: false when a document refused to close.
    bool CloseRequest();
    void KeepFocus();
    // False when there is no window to give the focus to.
    bool RestoreFocus();
    void Unload();
    void SavePlacement();

    void OnCommand(Tool& tool) override;
    void OnDocumentClosing(DocWindow& window, int mode, bool& cancel) override;
    void OnDocumentDestroyed(DocWindow& window, int mode) override;
    void OnDocumentActivated(DocWindow& window) override;

    HANDLE instanceMutex_ = nullptr;
    DockHost dock_;
    ShellValues values_;
    bool started_ = false;
    bool shuttingDown_ = false;
    bool unloaded_ = false;
    HWND focusBeforeDeactivation_ = nullptr;
    bool polling_ = false;  // a poll tick is running (its pumps let timer ticks in)
    int showCommand_ = SW_SHOWNORMAL;
    std::map<int, std::unique_ptr<Window>> forms_;  // the documents' windows by DocWindow Id
    OutputPane output_;
    std::unique_ptr<HelpPane> help_;
    ExplorerHost explorerHost_;
    std::unique_ptr<ProjectExplorer> explorer_;
    std::unique_ptr<TaskListPane> tasks_;
    CommandDispatcher dispatcher_;
};

}  // namespace kforge
