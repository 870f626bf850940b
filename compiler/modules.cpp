// modules.cpp: the compiled module file (.kmd), the module loader with its
// rebuild of missing or stale libraries, and the declaration text that a
// loaded module contributes to its importer (namespace block, -h header).
#include "kln.h"

#include <sys/stat.h>

#include <algorithm>
#include <set>

namespace {

const char module_magic[4] = {'K', 'M', 'D', 0};

// --- import cycles ---------------------------------------------------------

// Modules being compiled or loaded in this process, outermost first.
std::vector<std::string> modules_in_progress;

// Keeps a module on the in-progress stack while it is being loaded. The
// first load of a run also marks the importing top module.
class progress_mark {
public:
    progress_mark(const std::string& name, const compiler& importer) : depth_(modules_in_progress.size())
    {
        for (const std::string& busy : modules_in_progress)
            if (equal_nocase(busy, name)) throw "circular reference to module '" + name + "'";
        if (modules_in_progress.empty()) {
            if (equal_nocase(importer.this_module.name, name))
                throw "circular reference to module '" + name + "'";
            modules_in_progress.push_back(importer.this_module.name);
        }
        modules_in_progress.push_back(name);
    }
    ~progress_mark() { modules_in_progress.resize(depth_); }

private:
    size_t depth_;
};

// --- own-module type references that precede their type ----------------------

// While a module's type section is read, a reference to one of its own types
// that comes later in the file gets a placeholder; the placeholders are
// replaced once the whole section is read (mutually referring classes).
module* module_reading_types = nullptr;
std::set<type_symbol*> placeholders;

[[noreturn]] void never_happens(const std::string& module_name, const std::string& type_name)
{
    throw "error loading module - THIS SHOULD NEVER HAPPEN!\n\tmname = '" + module_name + "'  tname = '" +
        type_name + "'";
}

type_symbol* find_own_type(module& m, const std::string& name)
{
    return dynamic_cast<type_symbol*>(named_list_find(m.types, name));
}

void resolve_placeholder(module& m, type_symbol*& type)
{
    if (!placeholders.count(type)) return;
    type_symbol* found = find_own_type(m, type->name);
    if (!found) never_happens(m.name, type->name);
    type = found;
}

void resolve_placeholders(module& m, variable_symbol* v)
{
    resolve_placeholder(m, v->type);
}

void resolve_placeholders(module& m, procedure_symbol* p)
{
    if (p->result_type) resolve_placeholder(m, p->result_type);
    for (variable_symbol* parameter : p->parameters) resolve_placeholders(m, parameter);
}

void resolve_placeholders(module& m, class_symbol* c)
{
    if (c->base_class) {
        type_symbol* base = c->base_class;
        resolve_placeholder(m, base);
        if (base->kind != class_kind) throw "invalid module format";
        c->base_class = static_cast<class_symbol*>(base);
    }
    for (variable_symbol* member : c->data_members) resolve_placeholders(m, member);
    for (procedure_symbol* method : c->methods) resolve_placeholders(m, method);
}

void resolve_placeholders(module& m)
{
    for (symbol* s : m.types) {
        if (s->kind == record_kind)
            for (variable_symbol* field : static_cast<record_symbol*>(s)->fields) resolve_placeholders(m, field);
        if (s->kind == class_kind) resolve_placeholders(m, static_cast<class_symbol*>(s));
    }
}

// --- finding and rebuilding module files --------------------------------------

// The file name as found on disk, without folder and extension.
std::string file_stem(const std::string& path)
{
    size_t slash = path.rfind('/');
    return strip_ext(slash == std::string::npos ? path : path.substr(slash + 1));
}

// True when `older` was last written strictly before `newer`.
bool older_than(const std::string& older, const std::string& newer)
{
    struct stat a, b;
    if (stat(older.c_str(), &a) != 0 || stat(newer.c_str(), &b) != 0) return false;
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec < b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec < b.st_mtim.tv_nsec;
}

// Compiles a module's source as a library with a nested compiler and runs
// its build. The module keeps the spelling of the file that named it (a
// stale KApp.kmd beside a source renamed Kapp.kln still builds KApp), so
// that the .kmd, the .lib and the namespace agree. OPTION LIBRARY of the
// nested module stays with it.
void rebuild(const std::string& name, const compiler& importer, bool debug)
{
    bool outer_library_option = library_option;
    struct restore {
        bool& flag;
        bool value;
        ~restore() { flag = value; }
    } restore_option{library_option, outer_library_option};
    compiler nested(name, importer.basedir, capitalize(name));
    nested.compile(true, debug);
    nested.build();
}

struct located_module {
    std::string path;     // the .kmd to read
    std::string prefix;   // folder of its .lib on the link line
};

// Finds the module file, rebuilding it first when it is missing or older
// than its source in the current folder.
located_module locate(const std::string& name, const compiler& importer)
{
    std::string kmd = find_module_file(name + ".kmd");
    std::string source = find_module_file(name + ".kln");
    bool have_source = file_exists(source);
    if (file_exists(kmd)) {
        if (have_source && older_than(kmd, source)) rebuild(file_stem(kmd), importer, importer.debug);
    } else if (have_source) {
        rebuild(file_stem(source), importer, false);
    } else {
        std::string prefix = importer.basedir + "lib/";
        std::string library_kmd = find_module_file(prefix + name + ".kmd");
        if (!file_exists(library_kmd)) throw "module '" + prefix + name + ".kmd' not found";
        return {library_kmd, prefix};
    }
    kmd = find_module_file(name + ".kmd");
    if (!file_exists(kmd)) throw "module '" + name + "' not found";
    return {kmd, ""};
}

// --- reading a module file --------------------------------------------------

void read_magic(std::istream& file)
{
    char magic[4];
    if (!file.read(magic, 4) || !std::equal(magic, magic + 4, module_magic)) throw "invalid module format";
    char version[3];
    if (!file.read(version, 3)) throw "invalid module format";
}

void read_imports(std::istream& file, compiler& c, bool library)
{
    for (std::string import = read_str(file); !import.empty(); import = read_str(file))
        if (!c.find_module(import)) c.loaded_modules.push_back(module_load(import, c, library));
}

bool is_type_record(const symbol* s)
{
    if (s->kind == alias_kind) return static_cast<const alias_symbol*>(s)->refers_to_type;
    return s->kind == type_kind || s->kind == record_kind || s->kind == class_kind;
}

// Every class's chain of bases must end. A damaged file could make a class
// its own base, directly or round other classes, and every member look-up
// would then go round for ever. Each class is walked once: a walk stops at
// a class whose chain is already known to end.
void check_base_chains(const module& m)
{
    std::set<const class_symbol*> ending;
    for (const symbol* s : m.types) {
        if (s->kind != class_kind) continue;
        std::set<const class_symbol*> walked;
        for (auto* c = static_cast<const class_symbol*>(s); c && !ending.count(c); c = c->base_class)
            if (!walked.insert(c).second) throw "invalid module format";
        ending.insert(walked.begin(), walked.end());
    }
}

// Marks the module whose type section is being read; a damaged section
// that ends the reading early leaves no mark and no placeholder behind.
struct type_section_mark {
    explicit type_section_mark(module& m) { module_reading_types = &m; }
    ~type_section_mark()
    {
        module_reading_types = nullptr;
        for (type_symbol* placeholder : placeholders) delete placeholder;
        placeholders.clear();
    }
};

void read_types(std::istream& file, module& m)
{
    type_section_mark mark(m);
    for (int n = read_count(file); n > 0; --n)
        if (!is_type_record(read_symbol(file, &m))) throw "invalid module format";
    module_reading_types = nullptr;
    resolve_placeholders(m);
    check_base_chains(m);
}

void read_identifiers(std::istream& file, module& m)
{
    for (int n = read_count(file); n > 0; --n) {
        symbol* s = read_symbol(file, &m);
        if (is_type_record(s)) throw "invalid module format";
        m.identifiers.push_back(s);
    }
}

void read_module_file(std::istream& file, module& m, compiler& c, bool library)
{
    read_magic(file);
    read_imports(file, c, library);
    m.has_initialization = file.get() > 0;
    m.has_finalization = file.get() > 0;
    if (!file) throw "invalid module format";
    read_types(file, m);
    read_identifiers(file, m);
}

// --- declaration text -------------------------------------------------------

bool is_public(const symbol* s)
{
    return s && s->visibility == vis_public;
}

void emit_block_head(const module& m, std::ostream& out)
{
    out << "namespace " << m.name << "\n{\n\n";
    if (m.has_initialization) out << "struct initialization { initialization(); };\n";
    if (m.has_finalization) out << "struct finalization { ~finalization(); };\n";
    out << "\n";
    for (const symbol* s : m.types)
        if (is_public(s) && s->kind == class_kind && !equal_nocase(s->name, "OBJECT"))
            out << "class " << s->cpp_name(false) << ";\n";
}

void emit_identifiers(const module& m, std::ostream& out)
{
    for (const symbol* s : m.identifiers)
        if (is_public(s)) s->emit_declaration(out);
    out << "\n}";
}

// A name as an error message quotes it: a very long one is cut short.
std::string quoted_name(const std::string& name)
{
    const size_t shown = 40;
    return "'" + (name.size() > shown ? name.substr(0, shown) + "..." : name) + "'";
}

void write_public(const named_list<symbol>& list, std::ostream& file)
{
    int32_t count = int32_t(std::count_if(list.begin(), list.end(), is_public));
    write_int(count, file);
    for (const symbol* s : list) {
        if (!is_public(s)) continue;
        try {
            s->write(file);
        } catch (const char* why) {
            throw why + std::string(" in the declaration of ") + quoted_name(s->name);
        }
    }
}

}  // namespace

// --- interface --------------------------------------------------------------

symbol* named_list_find(const named_list<symbol>& list, const std::string& name)
{
    symbol* s = list.find_raw(name);
    return s ? s->resolve() : nullptr;
}

type_symbol* read_type_reference(module& m, std::istream& file)
{
    std::string module_name = read_str(file);
    std::string type_name = read_str(file);
    module* owner = &m;
    if (!module_name.empty() && !equal_nocase(module_name, m.name)) {
        owner = m.compiler->find_module(module_name);
        if (!owner) never_happens(module_name, type_name);
    }
    if (type_symbol* type = find_own_type(*owner, type_name)) return type;
    if (owner != module_reading_types) never_happens(module_name, type_name);
    type_symbol* placeholder = new class_symbol(type_name, vis_public, nullptr);
    placeholders.insert(placeholder);
    return placeholder;
}

void write_type_reference(const type_symbol* type, std::ostream& file)
{
    write_str(type->module ? type->module->name : "", file);
    write_str(type->name, file);
}

module* module_load(const std::string& name, compiler& c, bool library)
{
    progress_mark mark(name, c);
    located_module found = locate(name, c);
    std::ifstream file(found.path, std::ios::binary);
    if (!file) throw "module '" + name + "' not found";
    std::unique_ptr<module> m(new module(file_stem(found.path), &c));
    m->prefix = found.prefix;
    read_module_file(file, *m, c, library);
    c.output << "\n}\n\n";
    emit_namespace_block(*m, c.output);
    c.output << "\n\nnamespace " << c.this_module.name << "\n{\n"
             << "\n";
    return m.release();
}

std::string module_file_text(const module& m, const std::vector<module*>& loaded_modules)
{
    std::ostringstream file;
    file.write(module_magic, 4);
    file.put(char(version_major)).put(char(version_minor)).put(char(version_release));
    for (size_t i = 1; i < loaded_modules.size(); ++i) write_str(loaded_modules[i]->name, file);
    write_str("", file);
    file.put(char(m.has_initialization)).put(char(m.has_finalization));
    write_public(m.types, file);
    write_public(m.identifiers, file);
    return file.str();
}

void write_module_file(const std::string& module_name, const std::string& text)
{
    std::ofstream file(host_path(module_name + ".kmd"), std::ios::binary | std::ios::trunc);
    if (!file) throw "Error opening module file";
    file.write(text.data(), std::streamsize(text.size()));
    file.close();
    if (!file) throw "Error writing module file";
}

void emit_namespace_block(module& m, std::ostream& out)
{
    emit_block_head(m, out);
    for (const symbol* s : m.types)
        if (is_public(s)) s->emit_declaration(out);
    emit_identifiers(m, out);
}

// The module's own public types are spelled with their module qualifier
// from here on, as an importer spells them.
void write_header(module& m, std::string file_name)
{
    if (file_name.empty()) file_name = m.name + ".h";
    std::ofstream out(host_path(file_name), std::ios::binary | std::ios::trunc);
    if (!out) throw "Error opening header file";
    emit_block_head(m, out);
    for (symbol* s : m.types) {
        if (!is_public(s)) continue;
        s->module = &m;
        s->emit_declaration(out);
    }
    emit_identifiers(m, out);
    out.close();
    if (!out) throw "Error writing header file";
}
