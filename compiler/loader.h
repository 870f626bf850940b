// loader.h: the module loader (loader.cpp). It finds module files and reads
// them; it builds nothing and knows nothing of translation.
#pragma once

#include "symbols.h"

namespace kiln {

// Where a module's files are, as the loader looks for them: the current
// folder, then the tool chain's lib folder.
struct module_location {
    enum class state {
        current,   // a module file in the current folder, not older than its source there
        stale,     // a module file in the current folder, older than its source
        unbuilt,   // a source in the current folder and no module file
        library,   // only a module file in the lib folder
        not_found  // none of them
    };
    state found = state::not_found;
    std::string module_file;  // the .kmd to read: in the current folder or the lib folder
    std::string source;       // the source in the current folder, or ""
    std::string prefix;       // folder of its .lib on the link line: "" or the lib folder
};
module_location locate_module(const std::string& name, const std::string& basedir);

// The chain of modules being loaded, outermost first, from the module being
// compiled: loading one of them again is a circular reference. An entry
// stays while its mark lives.
class import_chain {
public:
    explicit import_chain(const std::string& importer) : names_{importer} {}
    class mark {
    public:
        // Throws "circular reference to module '…'" when `name` is on the chain.
        mark(import_chain& chain, const std::string& name);
        ~mark() { chain_.names_.pop_back(); }
        mark(const mark&) = delete;
        mark& operator=(const mark&) = delete;

    private:
        import_chain& chain_;
    };

private:
    std::vector<std::string> names_;
};

// Loads the module `name` for the importing module loaded[0]: reads its
// module file and, before it, every module the file imports that is not
// loaded yet. Each module joins `loaded` when complete; returns the one asked
// for. Stale module files have been rebuilt before translation (session.h).
module* load_module(const std::string& name, std::vector<module*>& loaded, bool apistring,
                    const std::string& basedir, import_chain& chain);

}  // namespace kiln
