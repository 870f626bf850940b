#pragma once
// The New Project dialog's view of the IDE, answered by the main window,
// its docking host and the Project Explorer. Windows are named by their
// docking-host Ids.

#include <memory>
#include <string>
#include <vector>

#include "INewProjectHost.h"

namespace kforge {

class DocWindow;
class IDocument;
class MainWindow;

class NewProjectHost : public INewProjectHost {
public:
    explicit NewProjectHost(MainWindow& main) : main_(main) {}

    ShellValues& Values() override;

    std::vector<int> DocumentWindows() override;
    int ActiveWindow() override;
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
    std::shared_ptr<DocWindow> Window(int id) const;
    // The document the window holds; null for none.
    IDocument* Document(int id) const;

    MainWindow& main_;
};

}  // namespace kforge
