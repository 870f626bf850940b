// Runs one of the cross tools (found through PATH, no shell, LC_ALL=C) and
// captures what it writes to stdout and stderr, in the order written.
#pragma once

#include <string>
#include <vector>

namespace kiln {

struct ChildResult {
    bool succeeded = false;
    std::string status;               // "exited with status 1", "was killed by signal 9"
    std::vector<std::string> output;  // lines without their line ends
};

// Throws Failure when the program cannot be started.
ChildResult run_child(const std::vector<std::string>& argv);

// "<program> <status>", the reason given when a tool run failed.
std::string failure_reason(const std::string& program, const ChildResult& result);

}  // namespace kiln
