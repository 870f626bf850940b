// Text helpers of the editor's portable units. Case folding is ASCII only, so
// bytes 0x80-0xFF compare and fold the same in every locale and code page.
#pragma once

#include <string>

namespace kforge {

// The text with 'A'-'Z' turned into 'a'-'z'; every other byte unchanged.
std::string ToLowerAscii(std::string text);

// The text without the spaces at both ends; tabs and other blanks stay.
std::string TrimSpaces(const std::string& text);

}  // namespace kforge
