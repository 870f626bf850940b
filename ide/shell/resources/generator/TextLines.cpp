#include "TextLines.h"

#include <sstream>

namespace kforge {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') { line.pop_back(); }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> SplitBlanks(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream stream(line);
    std::string word;
    while (stream >> word) { words.push_back(word); }
    return words;
}

std::string StripComment(const std::string& line)
{
    std::string kept = line.substr(0, line.find('#'));
    while (!kept.empty() && (kept.back() == ' ' || kept.back() == '\t')) { kept.pop_back(); }
    return kept;
}

}  // namespace kforge
