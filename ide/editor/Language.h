// The rules of one language as the editor colours it: word lists, comment
// and string markers. Filled from a syntax definition and registered by name.
#pragma once

#include <string>

namespace kforge {

struct Language {
    bool caseSensitive = false;
    // Word lists, one word per LF-separated line.
    std::string keywords;
    std::string keywords2;  // coloured only in style 1
    std::string operators;
    std::string attributes;
    std::string lineComment;
    std::string blockStart;
    std::string blockEnd;
    std::string scopeStart;        // kept, not used for colouring
    std::string scopeEnd;          // kept, not used for colouring
    std::string stringDelimiters;  // one character per LF-separated line
    std::string escapeChar;
    std::string terminator;  // kept, not used for colouring
    int style = 0;           // 1 for tag languages, else 0
};

}  // namespace kforge
