#include "EditText.h"

namespace kforge {

std::string ToCrLf(const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') { ++i; }
        } else {
            result += c;
        }
    }
    return result;
}

std::pair<size_t, size_t> ArgumentSpan(const std::string& tip, int n)
{
    if (n < 0) { return {0, 0}; }
    size_t start = 0, end = tip.size();
    const size_t open = tip.find('(');
    if (open != std::string::npos) {
        start = open + 1;
        const size_t close = tip.find(')', start);
        end = close == std::string::npos ? tip.size() : close;
    }
    for (int segment = 0; segment < n; ++segment) {
        const size_t comma = tip.find(',', start);
        if (comma == std::string::npos || comma >= end) { return {0, 0}; }
        start = comma + 1;
    }
    const size_t comma = tip.find(',', start);
    return {start, comma != std::string::npos && comma < end ? comma : end};
}

std::string LeadingIndent(const std::string& line) { return line.substr(0, line.find_first_not_of(" \t")); }

}  // namespace kforge
