// The decisions of the build commands that depend on texts alone: which
// settings switch a step on, which parameters a configuration takes, whether
// a tool's error file reports an error, and which program a build made.
#pragma once

#include <optional>
#include <string>

namespace kforge {

// A "Use..." setting is on when its lower-cased text is exactly "true".
bool IsSettingOn(const std::string& value);

// The parameter set of a configuration: 0 "Win32 Release", 1 "Win32 Debug",
// 2 "Win32 Library" (the settings Param0..2 and LinkParam0..2); none for
// any other text.
std::optional<int> ConfigurationIndex(const std::string& configuration);

// An error file reports an error when a line after its first begins with
// "Error " (CR LF line ends).
bool HasErrorLine(const std::string& errorFileText);

// The program a build of the file makes: the extension after the last dot
// of its file name replaced by ".exe", or ".exe" appended when there is none.
std::string ExecutableFor(const std::string& file);

}  // namespace kforge
