#include "AsciiText.h"

namespace kforge {

std::string ToLowerAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string TrimSpaces(const std::string& text)
{
    const std::string::size_type first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const std::string::size_type last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace kforge
