// Tool command lines: a tool's path and its parameter template, with the
// placeholders of the file being built filled in.
#pragma once

#include <string>

namespace kforge {

// Replaces, case-sensitively and in this order, every "%FILE%" by the file's
// title, every "%PATH%" by its folder and every "%FULL%" by the trimmed file.
// A later placeholder is also replaced inside text an earlier one inserted.
std::string SubstituteCommand(const std::string& commandTemplate, const std::string& file);

// The path in double quotes when it holds a blank and is not quoted yet, so
// that CreateProcess does not take the text before the blank as the program.
std::string QuoteIfBlank(const std::string& path);

// The template of one tool step: the (quoted) tool path, a blank, the parameters.
std::string ToolCommand(const std::string& toolPath, const std::string& parameters);

}  // namespace kforge
