#include "CommandChannel.h"

#include <fstream>
#include <sstream>
#include <utility>

namespace kforge {

CommandChannel::CommandChannel(std::string commandFile, std::string resultFile)
    : commandFile_(std::move(commandFile)), resultFile_(std::move(resultFile))
{
    std::ofstream(resultFile_, std::ios::trunc);
}

std::vector<std::string> CommandChannel::TakeNewCommands()
{
    std::vector<std::string> commands;
    std::ifstream in(commandFile_, std::ios::binary);
    if (!in || !in.seekg(static_cast<std::streamoff>(consumed_))) { return commands; }
    std::string pending((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t lineStart = 0;
    for (size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n', lineStart)) {
        std::string line = pending.substr(lineStart, end - lineStart);
        if (!line.empty() && line.back() == '\r') { line.pop_back(); }
        commands.push_back(std::move(line));
        lineStart = end + 1;
    }
    consumed_ += lineStart;  // a line still being written waits for its end
    return commands;
}

void CommandChannel::WriteResult(const std::string& line)
{
    std::ofstream out(resultFile_, std::ios::app | std::ios::binary);
    out << line << '\n';
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) { words.push_back(word); }
    return words;
}

}  // namespace kforge
