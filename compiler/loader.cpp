// loader.cpp: the module loader. Finds an imported module's file in the
// current folder or the tool chain's lib folder and reads it.
#include "loader.h"
#include "module_file.h"

#include <sys/stat.h>

#include <memory>

namespace kiln {

namespace {

// True when `older` was last written strictly before `newer`.
bool older_than(const std::string& older, const std::string& newer)
{
    struct stat a, b;
    if (stat(older.c_str(), &a) != 0 || stat(newer.c_str(), &b) != 0) return false;
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec < b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec < b.st_mtim.tv_nsec;
}

}  // namespace

module_location locate_module(const std::string& name, const std::string& basedir)
{
    module_location location;
    std::string kmd = find_module_file(name + ".kmd");
    std::string source = find_module_file(name + ".kln");
    if (file_exists(source)) location.source = source;
    if (file_exists(kmd)) {
        location.module_file = kmd;
        bool stale = !location.source.empty() && older_than(kmd, source);
        location.found = stale ? module_location::state::stale : module_location::state::current;
    } else if (!location.source.empty()) {
        location.found = module_location::state::unbuilt;
    } else {
        location.prefix = basedir + "lib/";
        location.module_file = find_module_file(location.prefix + name + ".kmd");
        if (file_exists(location.module_file)) location.found = module_location::state::library;
    }
    return location;
}

import_chain::mark::mark(import_chain& chain, const std::string& name) : chain_(chain)
{
    for (const std::string& busy : chain_.names_)
        if (equal_nocase(busy, name)) throw "circular reference to module '" + name + "'";
    chain_.names_.push_back(name);
}

module* load_module(const std::string& name, std::vector<module*>& loaded, bool apistring,
                    const std::string& basedir, import_chain& chain)
{
    import_chain::mark mark(chain, name);
    module_location found = locate_module(name, basedir);
    if (found.found == module_location::state::not_found)
        throw "module '" + found.prefix + name + ".kmd' not found";
    if (found.found == module_location::state::unbuilt) throw "module '" + name + "' not found";
    std::ifstream file(found.module_file, std::ios::binary);
    if (!file) throw "module '" + name + "' not found";
    std::unique_ptr<module> m(new module(stem_of(found.module_file)));
    m->prefix = found.prefix;
    module_file_context context{loaded, apistring, [&](const std::string& import) {
                                    if (!find_module_in(loaded, import))
                                        load_module(import, loaded, apistring, basedir, chain);
                                }};
    read_module_file(file, *m, context);
    loaded.push_back(m.release());
    return loaded.back();
}

}  // namespace kiln
