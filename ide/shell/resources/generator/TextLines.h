#pragma once
// Line and word splitting shared by the generator's text formats.

#include <string>
#include <vector>

namespace kforge {

// The lines of text without their ends (LF or CR LF).
std::vector<std::string> SplitLines(const std::string& text);
// The words of a line, split at blanks and tabs.
std::vector<std::string> SplitBlanks(const std::string& line);
// The line without a comment (from "#") and without trailing blanks.
std::string StripComment(const std::string& line);

}  // namespace kforge
