#pragma once
// The test host's main window: it places child windows and controls by
// name and runs the commands a test sends through a CommandChannel, polled
// by a timer. Each command's output lines end with "done <n>" (n counts the
// commands from 1), or "error <n>: <reason>". Command groups register their
// commands with AddCommand. Message boxes and file dialogs are answered
// through the dialog seam, never shown.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "CommandChannel.h"
#include "Dialogs.h"
#include "Window.h"

namespace kforge {

class HostWindow : public Window {
public:
    using Words = std::vector<std::string>;
    // Runs a command; its words follow the command name. Throws on bad input.
    using Command = std::function<void(const Words& args)>;

    explicit HostWindow(CommandChannel& channel);
    ~HostWindow() override;
    bool CreateMain();

    void AddCommand(const std::string& name, Command command);
    // Prints one result line, also outside a command (events).
    void Print(const std::string& line);

    // A named child window (a test's own or a control's); throws when absent.
    HWND Child(const std::string& name) const;
    void AddChild(const std::string& name, HWND hwnd);
    void RemoveChild(const std::string& name);

private:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void AddBuiltInCommands();
    DialogAnswer AnswerDialog(const DialogRequest& request);
    void RunPendingCommands();
    void Run(const std::string& line);

    CommandChannel& channel_;
    std::map<std::string, Command> commands_;
    std::map<std::string, HWND> children_;
    std::deque<int> answers_;  // for the next message boxes
    int commandCount_ = 0;
};

// Text to number for command arguments; throws std::invalid_argument.
long long ParseNumber(const std::string& text);

}  // namespace kforge
