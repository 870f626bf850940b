// The frame every front-end runs in: banner and error file, the rejoined
// command line, the exit status, and the names of the cross tools.
#pragma once

#include "report.h"

#include <functional>
#include <stdexcept>
#include <string>

namespace kiln {

inline const std::string cross_compiler = "i686-w64-mingw32-g++";
inline const std::string cross_archiver = "i686-w64-mingw32-ar";
inline const std::string cross_resource_compiler = "i686-w64-mingw32-windres";

// A run that cannot go on; the text is the reason for the "Error" line.
// Thrown for bad command lines as well as for failed tool runs.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

using FrontendBody = std::function<void(const std::string& command_line, Report& report)>;

// Writes the banner, runs `body` on the rejoined command line and turns a
// Failure (or any other exception) into an "Error <tool>: ..." line.
// Returns the exit status: 0 on success, 1 on failure.
int run_frontend(const std::string& tool, const std::string& banner, int argc, const char* const* argv,
                 const FrontendBody& body);

// Removes a file that a failed run must not leave behind; a missing file is
// fine, a folder of that name is a Failure.
void remove_old_output(const std::string& path);

// Throws Failure("unable to open file ...") when the input file is missing.
void require_input(const std::string& path);

}  // namespace kiln
