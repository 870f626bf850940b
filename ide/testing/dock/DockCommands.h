#pragma once
// The test host's commands of the docking host, and its event log: every
// event prints one line ("command KEY [entry TEXT]", "closing ID INDEX
// MODE", "destroyed ID MODE", "activated ID INDEX").

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "DockHost.h"
#include "HostWindow.h"
#include "TestDocument.h"

namespace kforge {

class DockCommands : public IDockEvents {
public:
    explicit DockCommands(HostWindow& host);
    bool CreateDock();
    DockHost& Dock() { return dock_; }

private:
    void OnCommand(Tool& tool) override;
    void OnDocumentClosing(DocWindow& window, int mode, bool& cancel) override;
    void OnDocumentDestroyed(DocWindow& window, int mode) override;
    void OnDocumentActivated(DocWindow& window) override;

    void AddDocumentCommands();
    void AddToolCommands();
    void AddPaneCommands();
    void AddLayoutCommands();
    DocWindow& Held(const std::string& id);
    Tool& ToolOf(const std::string& key);
    Pane& PaneOf(const std::string& key);
    void PrintRect(const RECT& rect);

    HostWindow& host_;
    DockHost dock_;
    std::map<int, std::shared_ptr<DocWindow>> held_;  // every window added, also after removal
    std::vector<std::unique_ptr<TestDocument>> documents_;
    std::vector<HWND> paneContents_;
    std::set<int> refuse_;  // ids whose close is cancelled
    bool removeClickedEntry_ = false;
};

}  // namespace kforge
