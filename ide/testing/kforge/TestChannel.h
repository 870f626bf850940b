#pragma once
// A link through which a test script drives the running IDE: part of the
// test build kforge-test.exe only, and on there only when the environment
// variable KFORGE_TEST_CHANNEL names a folder. The
// script appends command lines to the folder's file "commands"; the IDE
// appends result lines to "results", each command ending with "done N" (N
// counts the commands). While the link is on, every message box and file
// dialog is answered from the answers the script queued ("answer ..."),
// and each one asked is written as an "asked ..." line, so nothing waits
// for a click under Xvfb.

#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "CommandChannel.h"
#include "Dialogs.h"
#include "Window.h"

namespace kforge {

class MainWindow;

class TestChannel : public Window {
public:
    // The link for the folder the environment names; null without one.
    static std::unique_ptr<TestChannel> FromEnvironment(MainWindow& main);
    TestChannel(MainWindow& main, const std::string& folder);
    ~TestChannel() override;

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Tick();
    void Run(const std::vector<std::string>& words, const std::string& line);
    DialogAnswer Answer(const DialogRequest& request);

    void RunLater(const std::string& key);
    void ClickEntry(const std::string& key, int index);
    void WriteStates(const std::vector<std::string>& keys);
    void WriteWindows();
    void WriteTree();
    void WriteValues();
    void WriteText();
    void WriteEntries(const std::string& key);
    void WritePanes();
    void WriteToolBar();
    void WriteScreenRect(const RECT& rect);
    void WriteOutputLines();
    void WriteCursor();
    bool TypeText(const std::string& text);
    bool SelectTreeItem(const std::string& key);
    void WriteSelection();
    void WriteTasks();
    bool KeysAfterPoll(const std::vector<std::string>& keys);
    void WriteMenu();
    // A control of the modal dialog in front of the main window.
    HWND DialogControl(int id) const;
    bool PickDialogRow(int id, int row);
    bool ClickDialogButton(int id);

    MainWindow& main_;
    CommandChannel channel_;
    std::deque<std::string> answers_;
    std::deque<std::string> laterCommands_;
    int commandCount_ = 0;
    bool running_ = false;  // a command runs (a modal loop inside it lets ticks in)
};

}  // namespace kforge
