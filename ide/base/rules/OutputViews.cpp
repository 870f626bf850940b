#include "OutputViews.h"

#include "Texts.h"

namespace kforge {

std::string ErrorFileViewText(const std::string& content)
{
    const std::string lineEnd = "\r\n";
    const size_t firstEnd = content.find(lineEnd);
    if (firstEnd == std::string::npos) { return std::string(); }
    const size_t secondStart = firstEnd + lineEnd.size();
    const std::string secondLine =
        content.substr(secondStart, content.find(lineEnd, secondStart) - secondStart);
    return Trim(secondLine).empty() ? std::string() : content;
}

}  // namespace kforge
