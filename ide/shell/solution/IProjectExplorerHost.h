// What the Project Explorer asks of the main window and its docking host:
// the shared solution values, the document windows, opening a document,
// and the tools of the tree's popup menu.
#pragma once

#include <string>
#include <vector>

#include "ExplorerRules.h"
#include "ShellValues.h"

namespace kforge {

class IProjectExplorerHost {
public:
    virtual ~IProjectExplorerHost() = default;

    // The main window's SolutionName, SolutionStartup, SolutionBuildBatch
    // and DocumentCounter.
    virtual ShellValues& Values() = 0;

    // The docking host's document windows (Windows()), in their order.
    virtual std::vector<ExplorerDocument> DocumentWindows() = 0;
    // Activate() of the document window with this Id.
    virtual void ActivateDocument(int id) = 0;
    // NewDocument(path): a new editor document window for the file, which
    // becomes the active document window.
    virtual void NewDocument(const std::string& path) = 0;
    // Sets the Key of the active document window.
    virtual void SetActiveDocumentKey(const std::string& key) = 0;
    // AddMruItem(toolKey, text) of the main window.
    virtual void AddMruItem(const std::string& toolKey, const std::string& text) = 0;
    // UpdateUI(projectTools) of the main window.
    virtual void UpdateUI(bool projectTools) = 0;

    // Tools(toolKey)->Enabled of the docking host.
    virtual void SetToolEnabled(const std::string& toolKey, bool enabled) = 0;
    // Tools(toolKey)->ShowPopup(): the popup menu at the mouse position.
    virtual void ShowPopup(const std::string& toolKey) = 0;
};

}  // namespace kforge
