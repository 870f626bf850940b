#pragma once
// The start and message loop every test host program shares:
//   program COMMANDS RESULTS
// makes the command channel over the two files and the host window, lets
// the program register its commands on Host(), then Run() creates the
// window (named "host" for the commands), reports "ready" and runs the
// messages until the host quits.

#include <windows.h>

#include <functional>
#include <memory>

#include "CommandChannel.h"
#include "HostWindow.h"

namespace kforge {

class TestHostProgram {
public:
    TestHostProgram();

    // False when the command line does not name the two files.
    bool Ok() const { return host_ != nullptr; }
    HostWindow& Host() { return *host_; }

    // afterCreate runs once the window exists (false ends the program);
    // translate may take a message before it is dispatched.
    int Run(const std::function<bool()>& afterCreate = nullptr,
            const std::function<bool(const MSG&)>& translate = nullptr);

private:
    std::unique_ptr<CommandChannel> channel_;
    std::unique_ptr<HostWindow> host_;
};

}  // namespace kforge
