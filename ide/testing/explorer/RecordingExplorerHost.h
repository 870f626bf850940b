#pragma once
// The explorer test host's stand-in for the main window and its docking
// host: document windows are records, and every call the explorer makes
// prints a line "call <operation> <arguments>".

#include <functional>
#include <string>
#include <vector>

#include "IProjectExplorerHost.h"

namespace kforge {

class RecordingExplorerHost : public IProjectExplorerHost {
public:
    explicit RecordingExplorerHost(std::function<void(const std::string&)> print);

    ShellValues& Values() override { return values_; }
    std::vector<ExplorerDocument> DocumentWindows() override { return documents_; }
    void ActivateDocument(int id) override;
    void NewDocument(const std::string& path) override;
    void SetActiveDocumentKey(const std::string& key) override;
    void AddMruItem(const std::string& toolKey, const std::string& text) override;
    void UpdateUI(bool projectTools) override;
    void SetToolEnabled(const std::string& toolKey, bool enabled) override;
    void ShowPopup(const std::string& toolKey) override;

    // A document window that is open already; it becomes the active one.
    void AddDocument(const std::string& key, const std::string& fileName);
    // One line "doc <id> <key> <fileName> active=<0|1>" per window.
    std::vector<std::string> DocumentLines() const;

private:
    void Call(const std::string& line) { print_("call " + line); }

    std::function<void(const std::string&)> print_;
    ShellValues values_;
    std::vector<ExplorerDocument> documents_;
    int activeId_ = 0;
    int lastId_ = 0;
};

}  // namespace kforge
