// bcc32: compiles one C++ source into a COFF object with the cross compiler.
//   bcc32 {option} source        options: -c (required) -O2 -w- -x- -d -WM
#pragma once

#include "report.h"

#include <string>
#include <vector>

namespace kiln {

struct CompileRequest {
    std::string source;
    bool optimise = false;
    bool no_warnings = false;
};

// Throws Failure for an option or form that is not supported.
CompileRequest parse_bcc32(const std::string& command_line);

// "<stem>.obj" in the current folder.
std::string object_file(const CompileRequest& request);

std::vector<std::string> compile_command(const CompileRequest& request);

// "file:line:col: error: msg" -> "Error file line: msg", likewise warnings;
// any other line is returned unchanged.
std::string translate_compiler_line(const std::string& line);

void run_bcc32(const std::string& command_line, Report& report);

}  // namespace kiln
