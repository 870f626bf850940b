// loader.h: the module loader (loader.cpp). It reads module files and has
// the session rebuild stale ones; it knows nothing of translation.
#pragma once

#include "session.h"
#include "symbols.h"

namespace kiln {

// Loads the module `name` for the importing module loaded[0]: finds its
// module file, rebuilding it first when it is missing or older than its
// source, and reads it; before it, every module the file imports that is
// not loaded yet. Each module joins `loaded` when complete; returns the one
// asked for (loader.cpp).
module* load_module(const std::string& name, std::vector<module*>& loaded, bool apistring, bool debug,
                    session& run);

}  // namespace kiln
