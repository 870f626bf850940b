#pragma once
// The test host's link to a test: commands are lines that the test appends
// to one file; results are lines the host appends to another. Portable.

#include <cstdint>
#include <string>
#include <vector>

namespace kforge {

class CommandChannel {
public:
    CommandChannel(std::string commandFile, std::string resultFile);

    // The complete lines appended to the command file since the last call.
    std::vector<std::string> TakeNewCommands();
    // Appends one line to the result file at once, so a waiting test sees it.
    void WriteResult(const std::string& line);

private:
    std::string commandFile_;
    std::string resultFile_;
    std::uint64_t consumed_ = 0;  // bytes of the command file already taken
};

// A command line's words, split at blanks.
std::vector<std::string> SplitWords(const std::string& line);

}  // namespace kforge
