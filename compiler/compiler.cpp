// compiler.cpp: the compiler object of one module, its scopes and the
// look-ups of types and identifiers across the loaded modules.
#include "compiler.h"
#include "module_file.h"

#include <deque>

namespace kiln {

namespace {

bool is_identifier_text(const std::string& name)
{
    if (name.empty()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (!letter && !(i > 0 && c >= '0' && c <= '9')) return false;
    }
    return true;
}

// The module's source file; a folder of that name is none, and the open fails.
std::string source_path(const std::string& name)
{
    std::string path = find_module_file(with_default_extension(capitalize(name), ".kln"));
    return file_exists(path) ? path : "";
}

type_symbol* as_type(symbol* s) { return s ? static_cast<type_symbol*>(s->resolve()) : nullptr; }

}  // namespace

compiler::compiler(const std::string& name, session& run, const std::string& module_name)
    : compiler(source_path(name), name, run, module_name)
{
}

// Without a given module name the module takes the spelling of the source
// file found, so that a name typed in another case (kln -l kapp for
// KApp.kln) still names the same namespace and .kmd, .lib and .cpp files.
compiler::compiler(const std::string& source, const std::string& name, session& run,
                   const std::string& module_name)
    : input(source, std::ios::binary),
      lex(input),
      this_module(module_name.empty() ? capitalize(without_extension(source.empty() ? name : source)) : module_name),
      run(run),
      source_file(source)
{
    if (!input.is_open()) throw "Error opening input file";
    const std::string& own_name = this_module.name;
    if (is_reserved_word(own_name) || !is_identifier_text(own_name))
        throw "Error: illegal module name '" + own_name + "'";
    loaded_modules.push_back(&this_module);
    this_module.identifiers.reserve(100000);
    this_module.types.reserve(10000);
    add_main_procedure();
}

compiler::~compiler()
{
    for (size_t i = 1; i < loaded_modules.size(); ++i) delete loaded_modules[i];
}

void compiler::compile(bool library, bool debug)
{
    this->library = library;
    this->debug = debug;
    std::string interface;
    // A module file that its importers could not read is an error of this
    // module, found at its end.
    try {
        translate_module(*this);
        if (library) interface = module_file_text(this_module, loaded_modules);
    } catch (const char* message) {
        throw parse_error{message, this_module.name, lex.line, lex.column};
    } catch (const std::string& message) {
        throw parse_error{message, this_module.name, lex.line, lex.column};
    }
    if (library) write_module_file(output_folder + this_module.name, interface);
}

build_request compiler::to_build() const
{
    build_request request;
    request.module = this_module.name;
    if (library || library_option)
        request.target = build_target::library;
    else if (dll)
        request.target = build_target::dll;
    else
        request.target = console ? build_target::console_program : build_target::windowed_program;
    request.run_no_tool = abort_build;
    request.keep_source = interface_module;
    request.module_file_written = library;
    request.debug = debug;
    request.no_exceptions = run.no_exceptions;
    request.basedir = run.basedir;
    for (size_t i = 1; i < loaded_modules.size(); ++i)
        request.libraries.push_back(loaded_modules[i]->prefix + loaded_modules[i]->name + ".lib");
    request.resource_file = resource_file;
    request.folder = output_folder;
    return request;
}

// One text per level, built once; a deque keeps earlier texts in place.
const std::string& compiler::indent_text() const
{
    static std::deque<std::string> texts;
    size_t level = size_t(indent > 0 ? indent : 0);
    while (texts.size() <= level) texts.push_back("\n" + std::string(texts.size(), '\t'));
    return texts[level];
}

type_symbol* compiler::find_type(const std::string& name, module* m)
{
    if (!m) return find_type_in(loaded_modules, name, apistring);
    return as_type(named_list_find(m->types, type_lookup_name(name, apistring)));
}

type_symbol* compiler::require_type(const std::string& name, module* m)
{
    if (type_symbol* type = find_type(name, m)) return type;
    throw "undefined type";
}

symbol* compiler::find_identifier(const std::string& name, module* m)
{
    return m ? named_list_find(m->identifiers, name) : find_identifier_in(loaded_modules, name);
}

symbol* compiler::require_identifier(const std::string& name, module* m)
{
    if (symbol* s = find_identifier(name, m)) return s;
    throw "undeclared identifier '" + name + "'";
}

module* compiler::find_module(const std::string& name) const { return find_module_in(loaded_modules, name); }

void compiler::load_import(const std::string& name)
{
    if (find_module(name)) return;
    size_t first_new = loaded_modules.size();
    import_chain chain(this_module.name);
    load_module(name, loaded_modules, apistring, run.basedir, chain);
    for (size_t i = first_new; i < loaded_modules.size(); ++i) {
        output << "\n}\n\n";
        emit_namespace_block(*loaded_modules[i], output);
        output << "\n\nnamespace " << this_module.name << "\n{\n\n";
    }
}

void compiler::check_new_type_name(const std::string& name) const
{
    if (is_builtin_type_name(name) || find_module(name)) throw "duplicate identifier '" + name + "'";
    check_reserved_word(name);
}

void compiler::check_type_names_against_modules() const
{
    for (const symbol* type : this_module.types) {
        bool is_struct = type->kind == symbol_kind::record || type->kind == symbol_kind::class_;
        if (is_struct && find_module(type->name)) throw "duplicate identifier '" + type->name + "'";
    }
}

void compiler::push_scope()
{
    this_module.identifiers.push_marker();
    ++scope_level;
}

void compiler::pop_scope()
{
    this_module.identifiers.pop_to_marker();
    --scope_level;
}

// Every module declares the C-linkage entry Main that the start-up object
// calls; a module-level SUB Main defines it.
void compiler::add_main_procedure()
{
    auto* main_procedure = new procedure_symbol("Main", vis_public, false, false, nullptr);
    main_procedure->c_linkage = true;
    this_module.identifiers.push_back(main_procedure);
}

void compiler::expect_end_of_statement()
{
    if (lex.kind != token_kind::end_of_statement) throw "end of statement expected";
}

}  // namespace kiln
