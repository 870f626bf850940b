#include "CallScanner.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kforge {

namespace {

bool StartsToken(char b) { return b != '\0' && std::strchr("!.<=>@|", b) != nullptr; }

}  // namespace

std::optional<CallFrame> ScanOpenCall(const std::string& line, int col, char escape,
                                      const std::string& delimiters)
{
    const std::size_t end = std::min(line.size(), static_cast<std::size_t>(std::max(col, 0)));
    std::vector<CallFrame> calls;
    bool inString = false;
    bool escaped = false;
    char quote = 0;
    std::size_t tokenStart = 0;
    std::size_t prevTokenStart = 0;

    for (std::size_t i = 0; i < end; ++i) {
        const char b = line[i];
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (escape != 0 && b == escape) {
                escaped = true;
            } else if (b == quote) {
                inString = false;
            }
        } else if (b == ' ' || b == '\t') {
            if (tokenStart != i) prevTokenStart = tokenStart;
            tokenStart = i + 1;
        } else if (StartsToken(b)) {
            tokenStart = i + 1;
        } else if (b == '(') {
            std::string name = line.substr(tokenStart, i - tokenStart);
            if (name.empty()) name = line.substr(prevTokenStart, i - prevTokenStart);
            calls.push_back(CallFrame{name, 1});
            tokenStart = i + 1;
        } else if (b == ')') {
            if (!calls.empty()) calls.pop_back();
        } else if (b == ',') {
            if (!calls.empty()) ++calls.back().argNo;
        } else if (delimiters.find(b) != std::string::npos) {
            inString = true;
            quote = b;
        }
    }
    if (calls.empty()) return std::nullopt;
    return calls.back();
}

}  // namespace kforge
