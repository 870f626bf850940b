#pragma once

#include <string>

namespace kforge {

// The folder of the running program, without a trailing backslash: the
// IDE's files (syntax\, lib\, projects\, the layout file) are found there.
std::string AppPath();

}  // namespace kforge
