// The views of the Output pane: the tool output, and the error files that
// the compiler, linker and librarian write into the build folder.
#pragma once

#include <string>

namespace kforge {

struct OutputViewSpec {
    const char* name;       // the selector's text, with its leading blank
    const char* errorFile;  // the file the view shows; null for the tool output
};

constexpr OutputViewSpec kOutputViews[] = {
    {" Output", nullptr},
    {" Compiler", "bcc32.err"},
    {" Linker", "ilink32.err"},
    {" Library", "tlib.err"},
};
constexpr int kOutputViewCount = sizeof kOutputViews / sizeof kOutputViews[0];
constexpr int kToolOutputView = 0;

// What a file view shows of an error file: all of it when its second line
// (lines end in CR LF) holds more than blanks, otherwise nothing. A tool
// writes a banner line first, so a file without a second line reports no
// error.
std::string ErrorFileViewText(const std::string& content);

}  // namespace kforge
