#include "StandInHost.h"

#include <windows.h>

#include <algorithm>

#include "PrivateProfileIni.h"
#include "SolutionFile.h"

namespace kforge {

namespace {

std::string Id(int window) { return std::to_string(window); }

}  // namespace

StandInHost::StandInHost(std::function<void(const std::string&)> print) : print_(std::move(print))
{
    InitializeProject();
}

int StandInHost::AddDocument(StandInDocument document)
{
    document.id = ++lastId_;
    documents_.push_back(document);
    active_ = document.id;
    return active_;
}

void StandInHost::AddFileItem(const std::string& key, const std::string& tag)
{
    items_.push_back({key, tag, tag});
}

void StandInHost::PrintState() const
{
    for (const StandInDocument& d : documents_) {
        print_("document " + Id(d.id) + " key [" + d.key + "] caption [" + d.caption + "] file [" +
               d.fileName + "]" + (d.id == active_ ? " active" : ""));
    }
    for (const StandInItem& item : items_) {
        print_("item [" + item.key + "] [" + item.text + "] [" + item.tag + "]");
    }
    print_("values [" + values_.solutionName + "] [" + values_.solutionPath + "] [" +
           values_.solutionStartup + "] [" + values_.solutionBuildBatch + "] " +
           std::to_string(values_.documentCounter));
}

StandInDocument* StandInHost::Find(int window)
{
    for (StandInDocument& d : documents_) {
        if (d.id == window) { return &d; }
    }
    return nullptr;
}

StandInItem* StandInHost::FindItem(const std::string& key)
{
    for (StandInItem& item : items_) {
        if (item.key == key) { return &item; }
    }
    return nullptr;
}

std::vector<int> StandInHost::DocumentWindows()
{
    std::vector<int> ids;
    for (const StandInDocument& d : documents_) { ids.push_back(d.id); }
    return ids;
}

std::string StandInHost::WindowCaption(int window) { return Find(window) ? Find(window)->caption : ""; }

void StandInHost::SetWindowCaption(int window, const std::string& caption)
{
    Call("SetWindowCaption " + Id(window) + " [" + caption + "]");
    if (Find(window)) { Find(window)->caption = caption; }
}

std::string StandInHost::WindowKey(int window) { return Find(window) ? Find(window)->key : ""; }

void StandInHost::SetWindowKey(int window, const std::string& key)
{
    Call("SetWindowKey " + Id(window) + " [" + key + "]");
    if (Find(window)) { Find(window)->key = key; }
}

void StandInHost::Activate(int window)
{
    Call("Activate " + Id(window));
    active_ = window;
}

void StandInHost::Close(int window)
{
    Call("Close " + Id(window));
    documents_.erase(std::remove_if(documents_.begin(), documents_.end(),
                                    [window](const StandInDocument& d) { return d.id == window; }),
                     documents_.end());
    if (active_ == window) { active_ = documents_.empty() ? -1 : documents_.front().id; }
}

bool StandInHost::IsEditor(int window) { return Find(window) && Find(window)->editor; }

std::string StandInHost::FileName(int window) { return Find(window) ? Find(window)->fileName : ""; }

void StandInHost::SetFileName(int window, const std::string& path)
{
    Call("SetFileName " + Id(window) + " [" + path + "]");
    if (Find(window)) { Find(window)->fileName = path; }
}

bool StandInHost::DocChanged(int window) { return Find(window) && Find(window)->changed; }

void StandInHost::SetModuleLabel(int window, const std::string& text)
{
    Call("SetModuleLabel " + Id(window) + " [" + text + "]");
}

void StandInHost::SetEditorText(int window, const std::string& text)
{
    Call("SetEditorText " + Id(window));
    if (Find(window)) { Find(window)->text = text; }
}

bool StandInHost::SaveEditorText(int window, const std::string& path)
{
    Call("SaveEditorText " + Id(window) + " [" + path + "]");
    const StandInDocument* d = Find(window);
    if (!d) { return false; }
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) { return false; }
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, d->text.data(), static_cast<DWORD>(d->text.size()), &written, nullptr);
    CloseHandle(file);
    return wrote && written == d->text.size();
}

void StandInHost::NewDocument(const std::string& path)
{
    Call("NewDocument [" + path + "]");
    StandInDocument blank;
    blank.caption = " Blank * ";
    AddDocument(blank);
}

// Completes only for documents that allow it; an unnamed one gets a name.
void StandInHost::SaveFile()
{
    Call("SaveFile " + Id(active_));
    StandInDocument* d = Find(active_);
    if (!d || !d->saveWorks) { return; }
    if (d->fileName.empty()) { d->fileName = "C:\\saved" + Id(d->id) + ".kln"; }
    d->changed = false;
}

void StandInHost::UpdateUI(bool projectTools) { Call(std::string("UpdateUI ") + (projectTools ? "1" : "0")); }

void StandInHost::InitializeProject()
{
    if (!items_.empty()) { Call("InitializeProject"); }
    items_ = {{"root", RootItemText(values_.solutionName), ""},
              {"source", "Sources", ""},
              {"libs", "Libraries", ""}};
}

void StandInHost::AddMruItem(const std::string& listKey, const std::string& text)
{
    Call("AddMruItem " + listKey + " [" + text + "]");
}

bool StandInHost::CheckFile(const std::string& path)
{
    Call("CheckFile [" + path + "]");
    std::vector<ProjectItem> items;
    for (const StandInItem& item : items_) { items.push_back({item.key, item.tag}); }
    return kforge::CheckFile(items, path);
}

void StandInHost::SaveSolution(const std::string& path)
{
    Call("SaveSolution [" + path + "]");
    std::vector<ProjectItem> items;
    for (const StandInItem& item : items_) { items.push_back({item.key, item.tag}); }
    PrivateProfileIni ini;
    kforge::SaveSolution(ini, path,
                         {values_.solutionName, values_.solutionStartup, values_.solutionBuildBatch}, items);
}

void StandInHost::AddItem(const std::string& relativeKey, int relation, const std::string& key,
                          const std::string& text, int image)
{
    Call("AddItem [" + relativeKey + "] " + std::to_string(relation) + " [" + key + "] [" + text + "] " +
         std::to_string(image));
    items_.push_back({key, text, ""});
}

void StandInHost::RenameItem(int index, const std::string& text)
{
    Call("RenameItem " + std::to_string(index) + " [" + text + "]");
    if (index >= 0 && index < static_cast<int>(items_.size())) { items_[index].text = text; }
}

void StandInHost::RenameItem(const std::string& key, const std::string& text)
{
    Call("RenameItem [" + key + "] [" + text + "]");
    if (StandInItem* item = FindItem(key)) { item->text = text; }
}

void StandInHost::SetItemTag(const std::string& key, const std::string& tag)
{
    Call("SetItemTag [" + key + "] [" + tag + "]");
    if (StandInItem* item = FindItem(key)) { item->tag = tag; }
}

}  // namespace kforge
