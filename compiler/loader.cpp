// loader.cpp: the module loader. Finds an imported module's file in the
// current folder or the tool chain's lib folder, has the session rebuild it
// first when it is missing or older than its source, and reads it.
#include "loader.h"
#include "module_file.h"

#include <sys/stat.h>

#include <memory>

namespace kiln {

namespace {

// Keeps a module on the session's in-progress list while it is being
// loaded. The first load of a run also marks the importing top module.
class progress_mark {
public:
    progress_mark(const std::string& name, const std::string& importer, std::vector<std::string>& in_progress)
        : in_progress_(in_progress), depth_(in_progress.size())
    {
        for (const std::string& busy : in_progress_)
            if (equal_nocase(busy, name)) throw "circular reference to module '" + name + "'";
        if (in_progress_.empty()) {
            if (equal_nocase(importer, name)) throw "circular reference to module '" + name + "'";
            in_progress_.push_back(importer);
        }
        in_progress_.push_back(name);
    }
    ~progress_mark() { in_progress_.resize(depth_); }

private:
    std::vector<std::string>& in_progress_;
    size_t depth_;
};

// True when `older` was last written strictly before `newer`.
bool older_than(const std::string& older, const std::string& newer)
{
    struct stat a, b;
    if (stat(older.c_str(), &a) != 0 || stat(newer.c_str(), &b) != 0) return false;
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec < b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec < b.st_mtim.tv_nsec;
}

struct located_module {
    std::string path;    // the .kmd to read
    std::string prefix;  // folder of its .lib on the link line
};

// Finds the module file, rebuilding it first when it is missing or older
// than its source in the current folder. The rebuilt module keeps the
// spelling of the file that named it (a stale KApp.kmd beside a source
// renamed Kapp.kln still builds KApp).
located_module locate(const std::string& name, bool debug, session& run)
{
    std::string kmd = find_module_file(name + ".kmd");
    std::string source = find_module_file(name + ".kln");
    bool have_source = file_exists(source);
    if (file_exists(kmd)) {
        if (have_source && older_than(kmd, source)) run.rebuild(stem_of(kmd), debug);
    } else if (have_source) {
        run.rebuild(stem_of(source), false);
    } else {
        std::string prefix = run.basedir + "lib/";
        std::string library_kmd = find_module_file(prefix + name + ".kmd");
        if (!file_exists(library_kmd)) throw "module '" + prefix + name + ".kmd' not found";
        return {library_kmd, prefix};
    }
    kmd = find_module_file(name + ".kmd");
    if (!file_exists(kmd)) throw "module '" + name + "' not found";
    return {kmd, ""};
}

}  // namespace

module* load_module(const std::string& name, std::vector<module*>& loaded, bool apistring, bool debug,
                    session& run)
{
    progress_mark mark(name, loaded[0]->name, run.modules_in_progress);
    located_module found = locate(name, debug, run);
    std::ifstream file(found.path, std::ios::binary);
    if (!file) throw "module '" + name + "' not found";
    std::unique_ptr<module> m(new module(stem_of(found.path)));
    m->prefix = found.prefix;
    module_file_context context{loaded, apistring, [&](const std::string& import) {
                                    if (!find_module_in(loaded, import))
                                        load_module(import, loaded, apistring, debug, run);
                                }};
    read_module_file(file, *m, context);
    loaded.push_back(m.release());
    return loaded.back();
}

}  // namespace kiln
