// session.h: one run of kln (session.cpp).
#pragma once

#include <string>
#include <vector>

namespace kiln {

// The session: one run of kln, owned by the driver. It holds what the
// compilations of the run share: the module named on the command line and
// the imports whose stale module files it rebuilds (session.cpp).

struct session {
    std::string basedir;          // the tool chain's root, ending in '/'
    bool no_exceptions = false;   // -x: bcc32 gets "-x-"
    bool no_convert = false;      // -c: no kln::conv wrappers
    bool library_option = false;  // OPTION LIBRARY of the module being compiled: the build makes a library
    // The modules being compiled or loaded, outermost first: importing one
    // of them again is a circular reference.
    std::vector<std::string> modules_in_progress;

    // Compiles a module's source as a library with a compiler of its own and
    // builds it. The module keeps the given spelling, so that its .kmd, .lib
    // and namespace agree with the name its importer knows it by; its OPTION
    // LIBRARY stays with it.
    void rebuild(const std::string& name, bool debug);
};

}  // namespace kiln
