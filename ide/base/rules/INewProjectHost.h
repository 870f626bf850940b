#pragma once
// What the New Project dialog asks of the rest of the IDE once the new
// project's folder exists: the main window's shared values and operations,
// the docking host's document windows and their documents, and the Project
// Explorer. Document windows are named by their docking-host ids, which are
// never reused. Portable: the main window maps it onto the real windows.

#include <string>
#include <vector>

#include "ShellValues.h"

namespace kforge {

class INewProjectHost {
public:
    virtual ~INewProjectHost() = default;

    // The main window's shared values.
    virtual ShellValues& Values() = 0;

    // The document windows (no panes) that hold a form, in the docking
    // host's order, and the active one (-1 when none).
    virtual std::vector<int> DocumentWindows() = 0;
    virtual int ActiveWindow() = 0;
    virtual std::string WindowCaption(int window) = 0;
    virtual void SetWindowCaption(int window, const std::string& caption) = 0;
    virtual std::string WindowKey(int window) = 0;
    virtual void SetWindowKey(int window, const std::string& key) = 0;
    virtual void Activate(int window) = 0;
    virtual void Close(int window) = 0;

    // The document in the window.
    virtual bool IsEditor(int window) = 0;
    virtual std::string FileName(int window) = 0;
    virtual void SetFileName(int window, const std::string& path) = 0;
    virtual bool DocChanged(int window) = 0;
    virtual void SetModuleLabel(int window, const std::string& text) = 0;
    // The editor's whole text, and writing it to path (false on failure).
    virtual void SetEditorText(int window, const std::string& text) = 0;
    virtual bool SaveEditorText(int window, const std::string& path) = 0;

    // The main window: a new editor document for path ("" for a blank one),
    // which becomes the active window; saving the active document (not
    // "save as"); the command state; the explorer's tree rebuilt for the
    // current solution; an entry at the top of a recent-files list.
    virtual void NewDocument(const std::string& path) = 0;
    virtual void SaveFile() = 0;
    virtual void UpdateUI(bool projectTools) = 0;
    virtual void InitializeProject() = 0;
    virtual void AddMruItem(const std::string& listKey, const std::string& text) = 0;

    // The Project Explorer: whether a file item lists path, writing the
    // solution file, and its tree's items.
    virtual bool CheckFile(const std::string& path) = 0;
    virtual void SaveSolution(const std::string& path) = 0;
    virtual void AddItem(const std::string& relativeKey, int relation, const std::string& key,
                         const std::string& text, int image) = 0;
    virtual void RenameItem(int index, const std::string& text) = 0;
    virtual void RenameItem(const std::string& key, const std::string& text) = 0;
    virtual void SetItemTag(const std::string& key, const std::string& tag) = 0;
};

}  // namespace kforge
