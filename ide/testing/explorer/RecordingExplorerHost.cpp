#include "RecordingExplorerHost.h"

#include "CommandWords.h"

namespace kforge {

RecordingExplorerHost::RecordingExplorerHost(std::function<void(const std::string&)> print)
    : print_(std::move(print))
{
}

void RecordingExplorerHost::ActivateDocument(int id)
{
    activeId_ = id;
    Call("ActivateDocument " + std::to_string(id));
}

void RecordingExplorerHost::NewDocument(const std::string& path)
{
    Call("NewDocument " + Shown(path));
    AddDocument("", path);
}

void RecordingExplorerHost::SetActiveDocumentKey(const std::string& key)
{
    Call("SetActiveDocumentKey " + Shown(key));
    for (ExplorerDocument& document : documents_) {
        if (document.id == activeId_) { document.key = key; }
    }
}

void RecordingExplorerHost::AddMruItem(const std::string& toolKey, const std::string& text)
{
    Call("AddMruItem " + toolKey + " " + Shown(text));
}

void RecordingExplorerHost::UpdateUI(bool projectTools)
{
    Call(std::string("UpdateUI ") + (projectTools ? "1" : "0"));
}

void RecordingExplorerHost::SetToolEnabled(const std::string& toolKey, bool enabled)
{
    Call("SetToolEnabled " + toolKey + " " + (enabled ? "1" : "0"));
}

void RecordingExplorerHost::ShowPopup(const std::string& toolKey) { Call("ShowPopup " + toolKey); }

void RecordingExplorerHost::AddDocument(const std::string& key, const std::string& fileName)
{
    documents_.push_back(ExplorerDocument{++lastId_, key, fileName});
    activeId_ = lastId_;
}

std::vector<std::string> RecordingExplorerHost::DocumentLines() const
{
    std::vector<std::string> lines;
    for (const ExplorerDocument& document : documents_) {
        lines.push_back("doc " + std::to_string(document.id) + " " + Shown(document.key) + " " +
                        Shown(document.fileName) + " active=" + (document.id == activeId_ ? "1" : "0"));
    }
    return lines;
}

}  // namespace kforge
