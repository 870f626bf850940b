#pragma once
// The main window "  Kiln Forge 2004": the IDE's only frame. It holds the
// docking host with the documents and panes, the shared values, and the
// poll through which a second start of the program hands over its file
// (the registry value "OpenFile"). One instance per process (Instance()),
// one process per Wine prefix or Windows session (a named mutex).

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DockHost.h"
#include "HelpPane.h"
#include "IDocumentHost.h"
#include "OutputPane.h"
#include "ShellValues.h"
#include "Window.h"

namespace kforge {

class MainWindow : public Window, public IDocumentHost, private IDockEvents {
public:
    MainWindow();
    ~MainWindow() override;
    // The program's main window, or null before it is made.
    static MainWindow* Instance();

    // The start-up sequence. False when this process is to end at once:
    // another instance runs (it got the command line's file) or the window
    // could not be made.
    bool Start(const std::string& commandLine);
    // The message loop's shortcut keys (DockHost::TranslateKey).
    bool TranslateKey(const MSG& msg) { return dock_.TranslateKey(msg); }

    DockHost& Dock() { return dock_; }
    OutputPane& Output() { return output_; }
    // The file paths of the Project Explorer's file items, in tree order.
    std::vector<std::string> ProjectFilePaths() const;
    ShellValues& Values() { return values_; }
    // The path the next OpenFile opens instead of asking; "" for none.
    std::string pendingOpenPath;

    // Opens pendingOpenPath, or asks for a file with the open dialog (filter
    // empty = the default one): an open document of that file is activated,
    // another file opens in a new editor document keyed "file" & n.
    void OpenFile(Tool* tool, std::string& filter);

    // Documents and panes.
    int NewDocument(const std::string& path);
    void ShowStartPage();
    // The active document's Index, or -1.
    int GetActiveDocumentId() const;
    void AttachPane(const std::string& key, Window& window);
    void AddMruItem(const std::string& toolKey, const std::string& text);

    // IDocumentHost
    void UpdateUI(bool projectTools) override;
    void SetStatus1(const std::string& text) override { dock_.SetStatusText(0, text); }
    void ShowEditPopup() override;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool CreateFrame();
    void RestoreLayout();
    void RestorePlacement();
    void CreatePanes();
    void Poll();
    void RunCommand(const std::string& key);
    // The close request: false when a document refused to close.
    bool CloseRequest();
    void Unload();
    void SavePlacement();

    void OnCommand(Tool& tool) override;
    void OnDocumentClosing(DocWindow& window, int mode, bool& cancel) override;
    void OnDocumentDestroyed(DocWindow& window, int mode) override;
    void OnDocumentActivated(DocWindow& window) override;

    static MainWindow* instance_;
    HANDLE instanceMutex_ = nullptr;
    DockHost dock_;
    ShellValues values_;
    bool shuttingDown_ = false;
    bool unloaded_ = false;
    bool polling_ = false;  // a poll tick is running (its pumps let timer ticks in)
    int showCommand_ = SW_SHOWNORMAL;
    std::map<int, std::unique_ptr<Window>> forms_;  // the documents' windows by DocWindow Id
    OutputPane output_;
    std::unique_ptr<HelpPane> help_;
};

}  // namespace kforge
