// Text helpers shared by the IDE's portable units. Letter case is ASCII
// case, and "blanks" are spaces only, as the IDE's texts and files use them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kforge {

// The text without leading and trailing spaces.
std::string Trim(const std::string& text);

char LowerCase(char c);
std::string LowerCase(std::string text);

bool StartsWith(const std::string& text, const std::string& prefix);
bool EndsWith(const std::string& text, const std::string& suffix);
bool EqualsIgnoreCase(const std::string& a, const std::string& b);

// Every occurrence of what, left to right; inserted text is not searched again.
std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with);

// The text up to its first NUL character.
std::string StripNull(const std::string& text);

// A decimal number with an optional sign and surrounding blanks that fits in
// 32 bits; nothing for any other text.
std::optional<std::int32_t> ParseInt32(const std::string& text);

}  // namespace kforge
