#pragma once
// The New Project dialog's host in its test program: documents, tree items
// and shared values kept in memory, each call printed as a result line
// "call <operation> <arguments>". The solution file is written from the
// tree items as the Project Explorer writes it; the editor text is written
// to its file as the editor does.

#include <functional>
#include <string>
#include <vector>

#include "INewProjectHost.h"

namespace kforge {

struct StandInDocument {
    int id = 0;
    std::string caption;
    std::string key;
    bool editor = true;
    std::string fileName;
    bool changed = false;
    bool saveWorks = true;  // whether SaveFile completes for it
    std::string text;
};

struct StandInItem {
    std::string key;
    std::string text;
    std::string tag;
};

class StandInHost : public INewProjectHost {
public:
    explicit StandInHost(std::function<void(const std::string&)> print);

    // A document window, which becomes the active one; its id.
    int AddDocument(StandInDocument document);
    void AddFileItem(const std::string& key, const std::string& tag);
    // Prints the documents, the tree items and the shared values.
    void PrintState() const;

    ShellValues& Values() override { return values_; }
    std::vector<int> DocumentWindows() override;
    int ActiveWindow() override { return active_; }
    std::string WindowCaption(int window) override;
    void SetWindowCaption(int window, const std::string& caption) override;
    std::string WindowKey(int window) override;
    void SetWindowKey(int window, const std::string& key) override;
    void Activate(int window) override;
    void Close(int window) override;
    bool IsEditor(int window) override;
    std::string FileName(int window) override;
    void SetFileName(int window, const std::string& path) override;
    bool DocChanged(int window) override;
    void SetModuleLabel(int window, const std::string& text) override;
    void SetEditorText(int window, const std::string& text) override;
    bool SaveEditorText(int window, const std::string& path) override;
    void NewDocument(const std::string& path) override;
    void SaveFile() override;
    void UpdateUI(bool projectTools) override;
    void InitializeProject() override;
    void AddMruItem(const std::string& listKey, const std::string& text) override;
    bool CheckFile(const std::string& path) override;
    void SaveSolution(const std::string& path) override;
    void AddItem(const std::string& relativeKey, int relation, const std::string& key,
                 const std::string& text, int image) override;
    void RenameItem(int index, const std::string& text) override;
    void RenameItem(const std::string& key, const std::string& text) override;
    void SetItemTag(const std::string& key, const std::string& tag) override;

private:
    StandInDocument* Find(int window);
    StandInItem* FindItem(const std::string& key);
    void Call(const std::string& line) const { print_("call " + line); }

    std::function<void(const std::string&)> print_;
    ShellValues values_;
    std::vector<StandInDocument> documents_;
    std::vector<StandInItem> items_;
    int active_ = -1;
    int lastId_ = 0;
};

}  // namespace kforge
