// build.h: the build of one translated module with bcc32, tlib and ilink32
// (build.cpp). It knows nothing of translation: the request holds all it
// needs.
#pragma once

#include <string>
#include <vector>

namespace kiln {

// A build tool (bcc32, tlib, ilink32) exited with a failure status.
// Printed as "Error: <tool> failed"; passes nested compilations unchanged.
struct tool_failure {
    std::string tool;
};

enum class build_target { library, console_program, windowed_program, dll };

struct build_request {
    std::string module;  // the stem of M.cpp, M.obj, M.lib, M.exe ...
    build_target target = build_target::console_program;
    bool run_no_tool = false;     // INTERFACE without NOSKIP: nothing to build
    bool keep_source = false;     // INTERFACE: M.cpp is written by hand and never removed
    bool module_file_written = false;  // -l: a failed tool removes the fresh M.kmd
    bool debug = false;           // the run-time's debug objects on the link line
    bool no_exceptions = false;   // -x
    std::string basedir;          // the tool chain's root, ending in '/'
    std::vector<std::string> libraries;  // the .lib of every imported module, with its folder, in load order
    std::string resource_file;           // OPTION RESOURCE, or ""
    std::string folder;                  // where the tools run and the files are: "" or a folder ending in '/'
};

// Runs the tools and removes the intermediate files; throws tool_failure
// (compiler.h) when a tool fails.
void build(const build_request& request);

// The files of a folder that building library m writes or removes, besides
// the tools' error files.
std::vector<std::string> library_build_files(const std::string& m);

}  // namespace kiln
