#pragma once
// The Project Explorer's view of the main window: the shared values, the
// document windows and the tools, answered by the main window and its
// docking host.

#include <string>
#include <vector>

#include "IProjectExplorerHost.h"

namespace kforge {

class MainWindow;

class ExplorerHost : public IProjectExplorerHost {
public:
    explicit ExplorerHost(MainWindow& main) : main_(main) {}

    ShellValues& Values() override;
    std::vector<ExplorerDocument> DocumentWindows() override;
    void ActivateDocument(int id) override;
    void NewDocument(const std::string& path) override;
    void SetActiveDocumentKey(const std::string& key) override;
    void AddMruItem(const std::string& toolKey, const std::string& text) override;
    void UpdateUI(bool projectTools) override;
    void SetToolEnabled(const std::string& toolKey, bool enabled) override;
    void ShowPopup(const std::string& toolKey) override;

private:
    MainWindow& main_;
};

}  // namespace kforge
