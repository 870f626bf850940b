#pragma once
// The Project Explorer: the docked pane "frmProject" that shows the open
// solution as a tree. The root item carries the solution's name, the group
// "Sources" one item per source file (key "file" & n, the file's full path
// as its tag; "blank" for a document never saved) and the group "Libraries"
// the compiled library modules of the program's lib folder. Under the tree
// an information strip shows the path of the item last clicked.
//
// The pane writes the solution file, reads one into the tree and the
// documents, opens an item's file on a double click and asks for the popup
// menu "ProjectTree" on a right click; everything outside the pane goes
// through its IProjectExplorerHost.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "IProjectExplorerHost.h"
#include "PrivateProfileIni.h"
#include "SolutionFile.h"
#include "Tree.h"
#include "Window.h"

namespace kforge {

class ProjectExplorer : public Window {
public:
    static constexpr const char* kPaneKey = "frmProject";

    explicit ProjectExplorer(IProjectExplorerHost& host);
    ~ProjectExplorer() override;

    // Creates the pane as a child of parent at rect (parent's client pixels).
    bool Create(HWND parent, const RECT& rect);

    // Writes the solution file at path from the shared solution values and
    // the file items that have a path, in tree order.
    void SaveSolution(const std::string& path);
    // True when a file item's trimmed tag equals the trimmed path (letter
    // case counts).
    bool CheckFile(const std::string& path) const;
    // Empties the tree and adds the root, the two groups and the libraries.
    void InitializeProject();
    // Reads the solution file at path into the shared values, renames the
    // root and opens each listed file that exists in a document of its own
    // with its item. The caller has closed the old solution's documents and
    // run InitializeProject.
    void LoadSolution(const std::string& path);

    // A file item under "Sources": the file's title with its path as tag,
    // or "blank" for a document that was never saved.
    void AddFileItem(const std::string& key, const std::string& path);
    void AddBlankItem(const std::string& key);
    // The key of the first file item listing the path; "" when none does.
    std::string FileItemKey(const std::string& path) const;
    // Removes the current item when it is a file item; the start-up file
    // becomes none when it was that item's file.
    void RemoveCurrentFileItem();

    // The items as the solution file sees them, in tree order.
    std::vector<ProjectItem> Items() const;

    Tree* Tree1() const { return tree_.get(); }
    // The information strip's frame (pane's client pixels) and its box with
    // the clicked item's path.
    RECT InfoStrip() const { return stripFrame_; }
    // Where the strip's caption "FileName" is drawn (pane's client pixels).
    RECT StripCaption() const { return caption_; }
    HWND PathBox() const { return pathBox_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void ListLibraries();
    void AddLibraryItems();
    void OpenListedFile(const std::string& path);
    void OpenInNewDocument(const std::string& path, const std::string& key);
    std::string KeyForFile(const std::string& path);
    void OnItemClick(int button, int index);
    void OnItemDblClick(const std::string& text, const std::string& key);
    void Layout();
    void LayoutTree();
    void LayoutStrip();
    void PaintFrame();

    IProjectExplorerHost& host_;
    PrivateProfileIni ini_;
    std::unique_ptr<Tree> tree_;
    RECT treeFrame_{};   // the line drawn around the tree
    RECT stripFrame_{};  // the line drawn around the information strip
    RECT caption_{};
    HWND pathBox_ = nullptr;
};

}  // namespace kforge
