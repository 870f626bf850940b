// ilink32: links COFF objects into a Windows program or DLL with the cross
// compiler's driver.
//   ilink32 {option} objects , [output] , [map] , [libraries] [, [def] [, [resources]]]
// Options: -Gn (ignored), -ap (console), -aa (windowed), -Tpe (program), -Tpd (DLL).
#pragma once

#include "report.h"

#include <string>
#include <vector>

namespace kiln {

enum class ImageKind { console, windowed, dll };

struct LinkRequest {
    ImageKind kind = ImageKind::console;
    std::vector<std::string> objects;  // without the replaced start-up objects
    std::string output;
    std::string map;                     // empty: no map file
    std::vector<std::string> libraries;  // Kiln ar archives
    bool windows_libraries = false;      // import32.lib was named
    std::string def;
    std::vector<std::string> resources;  // compiled .res files
};

// Throws Failure for an option or form that is not supported.
LinkRequest parse_ilink32(const std::string& command_line);

// Every input that must exist before the link starts.
std::vector<std::string> link_inputs(const LinkRequest& request);

std::vector<std::string> resource_command(const std::string& resource, const std::string& object);

std::vector<std::string> link_command(const LinkRequest& request,
                                      const std::vector<std::string>& resource_objects);

// An ld line without its tool-path prefix, as "Error ..." when the link
// failed, else "Warning ..."; "" for the collect2 summary, which is dropped.
std::string translate_linker_line(const std::string& line, bool link_failed);

void run_ilink32(const std::string& command_line, Report& report);

}  // namespace kiln
