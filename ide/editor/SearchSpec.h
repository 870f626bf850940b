#pragma once
// What the find and replace dialogs search for.

#include <string>

namespace kforge {

struct SearchSpec {
    std::string what;
    std::string with;  // the replacement
    bool matchCase = false;
    bool wholeWord = false;
    bool up = false;  // search towards the start
};

}  // namespace kforge
