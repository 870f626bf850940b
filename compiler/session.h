// session.h: one run of kln (session.cpp).
#pragma once

#include <string>

namespace kiln {

struct compiler;

// The session: one run of kln, owned by the driver. It holds what the
// compilations of the run share, and before the module named on the
// command line is translated it brings that module's imports up to date.
struct session {
    std::string basedir;         // the tool chain's root, ending in '/'
    bool no_exceptions = false;  // -x: bcc32 gets "-x-"
    bool no_convert = false;     // -c: no kln::conv wrappers
    int rebuild_limit = 1;       // rebuilds that may run side by side

    // Finds the imports of `top` (to be compiled with `debug`) and theirs,
    // from the USING statements of the sources and the import lists of
    // current module files, and rebuilds every stale or missing one as a
    // library, each after the imports it reads, up to rebuild_limit side by
    // side. The files and the output are those of rebuilding them one after
    // another in the order the translation meets them; the first error of
    // that order ends the run. A circular import is reported before any tool
    // runs.
    void rebuild_stale_imports(const compiler& top, bool debug);
};

// KLN_JOBS: how many rebuilds may run side by side; the machine's core
// count when it is not a positive number.
int rebuild_limit_from_environment();

// The one line that reports the exception being handled, as kln prints it.
std::string error_line_of_current_exception();

}  // namespace kiln
