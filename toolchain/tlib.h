// tlib: keeps a Kiln library, an ar archive named .lib, with the cross archiver.
//   tlib {/P<digits> | /C | /E} library {command}
// Commands: +name, -+name, +-name (add or replace name.obj), -name (remove it).
#pragma once

#include "report.h"

#include <string>
#include <vector>

namespace kiln {

struct LibraryEdit {
    enum class Action { add_or_replace, remove };
    Action action;
    std::string object;
};

struct LibraryRequest {
    std::string library;
    std::vector<LibraryEdit> edits;
};

// Throws Failure for an option or form that is not supported.
LibraryRequest parse_tlib(const std::string& command_line);

std::vector<std::string> edit_command(const std::string& library, const LibraryEdit& edit);

void run_tlib(const std::string& command_line, Report& report);

}  // namespace kiln
