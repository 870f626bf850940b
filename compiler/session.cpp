// session.cpp: the imports of the module named on the command line, found
// before its translation: the scan of USING statements, the plan of the
// rebuilds of stale imports in the order the translation would meet them,
// and what the driver prints for an error.
#include "compiler.h"
#include "module_file.h"
#include "rebuilds.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

namespace kiln {

namespace {

// One module a translation loads, with where its lexer then stands.
struct import_site {
    std::string name;
    int line;
    int column;
};

struct source_imports {
    std::vector<import_site> sites;  // in load order: System first, then each USING name
    // False when the translation fails before or at the last site found,
    // or cannot open the source: it meets no further import.
    bool complete = true;
};

// "#CPP" … "#KLN": raw lines, which the lexer must not read as tokens.
void skip_verbatim_block(lexer& lex)
{
    do {
        lex.read_rest_of_line();
        if (equal_nocase(lex.line_text, "#KLN")) return;
    } while (!lex.at_eof());
    throw "unexpected end of file";
}

// Reads the names of one USING statement, whose keyword is the token.
void scan_using(lexer& lex, source_imports& found)
{
    do {
        lex.next_token();
        if (lex.kind != token_kind::identifier) throw "identifier expected";
        found.sites.push_back({capitalize(lex.text), lex.line, lex.column});
        lex.next_token();
    } while (lex.kind == token_kind::operator_token && lex.text == ",");
    if (lex.kind != token_kind::end_of_statement) throw "end of statement expected";
}

// Whether `names` holds `name`, ignoring case.
template<class Names> bool contains_nocase(const Names& names, const std::string& name)
{
    for (const auto& entry : names)
        if (equal_nocase(name, entry)) return true;
    return false;
}

bool is_any_of(const std::string& word, std::initializer_list<const char*> words)
{
    return contains_nocase(words, word);
}

// Runs `read`; false when it throws a translator's error text.
template<class Read> bool reads_without_error(Read read)
{
    try {
        read();
        return true;
    } catch (const char*) {
        return false;
    } catch (const std::string&) {
        return false;
    }
}

// A statement at the module's outer level, from its first token: a USING,
// or the head of a block (SUB, CLASS ...), which the scan then stays in.
void scan_module_statement(lexer& lex, source_imports& found, std::string& block)
{
    while (is_any_of(lex.text, {"PUBLIC", "PRIVATE", "EXPORT"})) lex.next_token();
    if (equal_nocase(lex.text, "#CPP"))
        skip_verbatim_block(lex);
    else if (equal_nocase(lex.text, "USING"))
        scan_using(lex, found);
    else if (is_any_of(lex.text, {"SUB", "FUNCTION", "PROPERTY", "CLASS", "TYPE", "ENUM", "INITIALIZATION",
                                  "FINALIZATION"}))
        block = lex.text;
}

// The imports of a module's source, read with the lexer alone, as the
// module frame meets them: the INTERFACE head, System, then USING at the
// start of a statement at the outer level. An error that ends the
// translation ends the scan there.
void scan_source(lexer& lex, const std::string& module_name, source_imports& found)
{
    lex.next_token();
    if (equal_nocase(lex.text, "INTERFACE")) {
        lex.next_token();
        if (equal_nocase(lex.text, "NOSKIP")) lex.next_token();
        if (lex.kind != token_kind::end_of_statement) throw "end of statement expected";
        lex.next_token();
    }
    if (!equal_nocase(module_name, "SYSTEM")) found.sites.push_back({"System", lex.line, lex.column});
    bool statement_start = true;
    std::string block;  // the outer-level block the scan is in, ended by END and its word
    while (!(lex.kind == token_kind::end_of_statement && lex.at_eof())) {
        if (equal_nocase(lex.text, "#CPP")) {
            skip_verbatim_block(lex);
        } else if (statement_start && block.empty()) {
            scan_module_statement(lex, found, block);
        } else if (statement_start && equal_nocase(lex.text, "END")) {
            lex.next_token();
            if (equal_nocase(lex.text, block)) block.clear();
        }
        statement_start = lex.kind == token_kind::end_of_statement;
        lex.next_token();
    }
}

// The imports of the source file `source`; incomplete when it cannot be
// opened or its scan stops at an error.
source_imports scan_imports(const std::string& source, const std::string& module_name)
{
    source_imports found;
    std::ifstream input(source, std::ios::binary);
    if (!input) {
        found.complete = false;
        return found;
    }
    lexer lex(input);
    found.complete = reads_without_error([&] { scan_source(lex, module_name, found); });
    return found;
}

// The loads of one translation, as the compiler of its module would make
// them.
struct translation {
    std::string module;
    bool debug;
    std::vector<std::string> loaded;  // the modules loaded so far, after the module itself

    bool has_loaded(const std::string& name) const
    {
        return equal_nocase(name, module) || contains_nocase(loaded, name);
    }
};

// Walks the loads of the top module's translation and of every nested one
// that a stale import would start, exactly as they would happen, and lists
// the rebuilds in the order they would end. The walk ends where a
// translation would fail: the failing rebuild is the plan's last job.
class rebuild_planner {
public:
    explicit rebuild_planner(const std::string& basedir) : basedir_(basedir) {}

    std::vector<rebuild_job> jobs;

    void plan_translation(translation& t, const std::string& source, import_chain& chain)
    {
        source_imports found = scan_imports(source, t.module);
        for (const import_site& site : found.sites) {
            if (ended_) return;
            if (t.has_loaded(site.name)) continue;
            try {
                plan_load(site.name, t, site, chain);
            } catch (const std::string& message) {
                throw parse_error{message, t.module, site.line, site.column};
            }
        }
        if (!found.complete) ended_ = true;
    }

private:
    std::string basedir_;
    bool ended_ = false;  // a translation fails where the walk stopped

    const rebuild_job* job_of(const std::string& name) const
    {
        for (const rebuild_job& job : jobs)
            if (equal_nocase(job.module, name)) return &job;
        return nullptr;
    }

    // One module_load of translation t: its rebuild when stale, then the
    // modules its module file imports.
    void plan_load(const std::string& name, translation& t, const import_site& site, import_chain& chain)
    {
        import_chain::mark mark(chain, name);
        std::vector<std::string> imports;
        if (!imports_of(name, t, site, chain, imports)) {
            ended_ = true;
            return;
        }
        for (const std::string& import : imports) {
            if (ended_) return;
            if (!t.has_loaded(import))
                plan_load(import, t, site, chain);
        }
        t.loaded.push_back(name);
    }

    // The import list of the module file that loading `name` reads, after
    // planning its rebuild when it is stale or missing. False when the load
    // fails.
    bool imports_of(const std::string& name, translation& t, const import_site& site, import_chain& chain,
                    std::vector<std::string>& imports)
    {
        if (const rebuild_job* done = job_of(name)) {
            imports = predicted_imports_.at(size_t(done - jobs.data()));
            return true;
        }
        module_location where = locate_module(name, basedir_);
        switch (where.found) {
            case module_location::state::stale:
                imports = plan_rebuild(stem_of(where.module_file), t.debug, where.source, t, site, chain);
                return true;
            case module_location::state::unbuilt:
                imports = plan_rebuild(stem_of(where.source), false, where.source, t, site, chain);
                return true;
            case module_location::state::current:
            case module_location::state::library:
                return read_imports(where.module_file, imports);
            default:
                return false;
        }
    }

    // The job's module file will list what its translation loads.
    std::vector<std::string> plan_rebuild(const std::string& module, bool debug, const std::string& source,
                                          const translation& importer, const import_site& site,
                                          import_chain& chain)
    {
        translation nested{capitalize(module), debug, {}};
        plan_translation(nested, source, chain);
        rebuild_job job{module, debug, importer.module, site.line, site.column, {}};
        for (const std::string& read : nested.loaded)
            if (const rebuild_job* needed = job_of(read)) job.needs.push_back(size_t(needed - jobs.data()));
        jobs.push_back(job);
        predicted_imports_.push_back(nested.loaded);
        return nested.loaded;
    }

    static bool read_imports(const std::string& module_file, std::vector<std::string>& imports)
    {
        std::ifstream file(module_file, std::ios::binary);
        return reads_without_error(
            [&] { read_module_imports(file, [&](const std::string& import) { imports.push_back(import); }); });
    }

    std::vector<std::vector<std::string>> predicted_imports_;  // per job: its module file's import list
};

}  // namespace

void session::rebuild_stale_imports(const compiler& top, bool debug)
{
    rebuild_planner planner(basedir);
    translation t{top.this_module.name, debug, {}};
    import_chain chain(t.module);
    planner.plan_translation(t, top.source_file, chain);
    run_rebuilds(planner.jobs, rebuild_limit, *this);
}

int rebuild_limit_from_environment()
{
    const char* text = std::getenv("KLN_JOBS");
    char* end = nullptr;
    long limit = text ? std::strtol(text, &end, 10) : 0;
    if (text && *text && *end == '\0' && limit > 0) return int(std::min(limit, 1024L));
    long cores = sysconf(_SC_NPROCESSORS_ONLN);
    return cores > 0 ? int(cores) : 1;
}

std::string error_line_of_current_exception()
{
    try {
        throw;
    } catch (const parse_error& e) {
        return "Error in '" + e.module + "' at " + std::to_string(e.line) + "," + std::to_string(e.column) + ": " +
               e.message;
    } catch (const reported_error& e) {
        return e.line;
    } catch (const tool_failure& failure) {
        return "Error: " + failure.tool + " failed";
    } catch (const std::string& message) {
        return message;
    } catch (const char* message) {
        return message;
    } catch (const std::exception& e) {
        return std::string("Error: internal compiler error (") + e.what() + ")";
    } catch (...) {
        return "Error: internal compiler error";
    }
}

}  // namespace kiln
