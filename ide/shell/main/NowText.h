#pragma once
// The current date and time as the IDE writes them into new sources: the
// short date and the time in the user's formats, joined by one blank.

#include <string>

namespace kforge {

std::string NowText();

}  // namespace kforge
