// The main window's start-up and shut-down rules that depend on texts
// alone: the file a program start names, the syntax file setting, and the
// stored window placement.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kforge {

// The registry key (below HKEY_LOCAL_MACHINE) of the main window's placement.
extern const char* const kFormsKey;  // "SOFTWARE\MERIDAX\Kiln Forge\Forms"

// The path a command line names: trimmed, one pair of surrounding quotes
// taken off, trimmed again ("  \"C:\a b.kln\" " gives C:\a b.kln).
std::string CommandLinePath(const std::string& commandLine);

// The "SyntaxFile" setting as a file: blank gives appPath\kln.syn; a value
// whose characters 2 and 3 are not ":\" lies in appPath; a file that does
// not exist gives appPath\kln.syn.
std::string ResolveSyntaxFilePath(const std::string& setting, const std::string& appPath,
                                  const std::function<bool(const std::string&)>& fileExists);

// The stored placement of the main window; a value absent or not a number
// is nothing. Sizes are in twips.
struct StoredPlacement {
    std::optional<std::int32_t> state;  // 0 normal, 1 minimised, 2 maximised
    std::optional<std::int32_t> top, left, width, height;
    // Whether the normal rectangle is complete.
    bool HasRectangle() const { return top && left && width && height; }
};

// Reads the values through readValue(name) ("Main.State", "Main.Top", ...).
StoredPlacement ReadPlacement(const std::function<std::string(const std::string&)>& readValue);

}  // namespace kforge
