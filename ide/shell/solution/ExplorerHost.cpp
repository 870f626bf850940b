#include "ExplorerHost.h"

#include "IDocument.h"
#include "MainWindow.h"

namespace kforge {

ShellValues& ExplorerHost::Values() { return main_.Values(); }

std::vector<ExplorerDocument> ExplorerHost::DocumentWindows()
{
    std::vector<ExplorerDocument> documents;
    for (const std::shared_ptr<DocWindow>& window : main_.Dock().Windows().Snapshot()) {
        if (window->IsPane() || !window->Form()) { continue; }
        documents.push_back(ExplorerDocument{window->Id(), window->Key(), window->Form()->FileName()});
    }
    return documents;
}

void ExplorerHost::ActivateDocument(int id)
{
    if (std::shared_ptr<DocWindow> window = main_.WindowById(id)) { window->Activate(); }
}

void ExplorerHost::NewDocument(const std::string& path) { main_.NewDocument(path); }

void ExplorerHost::SetActiveDocumentKey(const std::string& key)
{
    if (std::shared_ptr<DocWindow> active = main_.Dock().ActiveWindow()) { active->SetKey(key); }
}

void ExplorerHost::AddMruItem(const std::string& toolKey, const std::string& text)
{
    main_.AddMruItem(toolKey, text);
}

void ExplorerHost::UpdateUI(bool projectTools) { main_.UpdateUI(projectTools); }

void ExplorerHost::SetToolEnabled(const std::string& toolKey, bool enabled)
{
    if (Tool* tool = main_.Dock().Tools(toolKey)) { tool->SetEnabled(enabled); }
}

void ExplorerHost::ShowPopup(const std::string& toolKey)
{
    if (Tool* tool = main_.Dock().Tools(toolKey)) { tool->ShowPopup(); }
}

}  // namespace kforge
