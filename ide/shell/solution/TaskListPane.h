#pragma once
// The Task List pane, hosted by the docking pane "frmTask": the user's
// free-text tasks in a ListCtl under a strip of five buttons ("Add Task",
// "Edit Task", "Remove Task", "Move Up", "Move Down") with the title "TASKS"
// at its right end.
//
// The list is written through at once: every button, every committed
// in-place edit, every move and the pane's end rewrite the "Tasks" section
// of the task file, which is the trimmed solution path of the shared values,
// else the program folder's "!default.ksl" (TaskFile). LoadTasks refills the
// list from that file; the pane loads it when it is created.
//
// A commit by focus loss reaches AfterEdit before the list shows the new
// text, so the save takes the edited item's text from the event. A commit
// that a reload brings about (an edit still open when another solution's
// tasks are loaded) is saved to the file the list came from, never over the
// tasks about to be read.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ButtonXP.h"
#include "List.h"
#include "PrivateProfileIni.h"
#include "ShellValues.h"
#include "Window.h"

namespace kforge {

class TaskListPane : public Window {
public:
    // The pane reads the solution path from values whenever it chooses the
    // task file; values outlive the pane.
    explicit TaskListPane(const ShellValues& values);
    ~TaskListPane() override;

    // Creates the pane as a child of parent at rect (parent's client
    // pixels) and loads the tasks.
    bool Create(HWND parent, const RECT& rect);

    void LoadTasks();
    void SaveTasks();

    // The parts, for a host that places or inspects them.
    ListCtl* Tasks() const { return list_.get(); }
    const std::vector<std::unique_ptr<ButtonXP>>& Buttons() const { return buttons_; }
    HWND Strip() const { return strip_; }
    HWND Title() const { return title_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void CreateButtons();
    void ConnectList();
    void Layout(int width, int height);
    void OnUnload();

    void AddTask();
    void EditTask();
    void RemoveTask();
    void OnAfterEdit(const std::string& szText);

    std::string ChosenFile() const;
    std::vector<std::string> Items() const;
    // The items with the item being edited showing text, when it still exists.
    std::vector<std::string> ItemsWithEdit(const std::string& text) const;
    bool EditOpen() const;
    void Write(const std::string& file, const std::vector<std::string>& tasks);

    const ShellValues& values_;
    PrivateProfileIni ini_;
    std::unique_ptr<ListCtl> list_;
    std::vector<std::unique_ptr<ButtonXP>> buttons_;
    HWND strip_ = nullptr;  // the button strip above the list
    HWND title_ = nullptr;  // "TASKS"
    HFONT titleFont_ = nullptr;
    int titleWidth_ = 0;      // pixels
    int editIndex_ = -1;      // the item of the last edit started
    bool reloading_ = false;  // LoadTasks is emptying the list
    std::string listFile_;    // the file the list was last read from or written to
};

}  // namespace kforge
