// frame.cpp: the outer level of a module. Writes the head of the C++ file,
// loads System, hands each module-level declaration to its translator,
// and writes the default sections, the program's start-up block and the end.
#include "compiler.h"

namespace {

void translate_declare(compiler& c, visibility_level visibility)
{
    c.next();
    const std::string& word = c.lex.text;
    if (equal_nocase(word, "BUILTIN")) {
        c.translate_builtin(visibility);
    } else if (equal_nocase(word, "INITIALIZATION")) {
        c.this_module.has_initialization = true;
        c.next();
    } else if (equal_nocase(word, "FINALIZATION")) {
        c.this_module.has_finalization = true;
        c.next();
    } else if (equal_nocase(word, "CLASS")) {
        c.translate_class_forward(visibility);
    } else {
        c.translate_procedure(visibility, true, nullptr);
    }
}

void translate_definition(compiler& c, visibility_level visibility)
{
    c.translate_procedure(visibility, false, nullptr);
}

// Module-level keywords in the order they are tried; each handler starts
// on the keyword and returns on the token after its declaration.
const struct {
    std::string keyword;
    void (*translate)(compiler&, visibility_level visibility);
} declaration_handlers[] = {
    {"OPTION", [](compiler& c, visibility_level) { c.translate_option(); }},
    {"CONST", [](compiler& c, visibility_level v) { c.translate_const(v); }},
    {"ENUM", [](compiler& c, visibility_level v) { c.translate_enum(v); }},
    {"INITIALIZATION", [](compiler& c, visibility_level) { c.translate_initialization(); }},
    {"FINALIZATION", [](compiler& c, visibility_level) { c.translate_finalization(); }},
    {"DECLARE", translate_declare},
    {"SUB", translate_definition},
    {"FUNCTION", translate_definition},
    {"EXPORT", translate_definition},
    {"PROPERTY", [](compiler& c, visibility_level) { c.translate_property_body(); }},
    {"DIM", [](compiler& c, visibility_level v) { c.translate_dim(v); }},
    {"TYPE", [](compiler& c, visibility_level v) { c.translate_type(v); }},
    {"CLASS", [](compiler& c, visibility_level v) { c.translate_class(v); }},
    {"USING", [](compiler& c, visibility_level) { c.translate_using(); }},
    {"ALIAS", [](compiler& c, visibility_level) { c.translate_alias(); }},
    {"#CPP", [](compiler& c, visibility_level) { c.translate_cpp_block(); }},
    {"#KLN", [](compiler&, visibility_level) {}},   // left for the end-of-statement check
};

void translate_declaration(compiler& c, visibility_level visibility)
{
    for (const auto& handler : declaration_handlers) {
        if (equal_nocase(c.lex.text, handler.keyword)) {
            handler.translate(c, visibility);
            return;
        }
    }
    if (c.lex.kind != token_kind::end_of_statement) c.translate_dim(visibility);   // a declaration without DIM
}

visibility_level read_visibility(compiler& c)
{
    static const std::string private_word = "PRIVATE", public_word = "PUBLIC";
    if (equal_nocase(c.lex.text, private_word)) {
        c.next();
        return vis_private;
    }
    if (equal_nocase(c.lex.text, public_word)) {
        c.next();
        return vis_public;
    }
    return vis_private;
}

void open_output(compiler& c, const std::string& path)
{
    c.output.open(path);
    if (!c.output) throw "Error opening output file";
}

// INTERFACE [NOSKIP]: only the declarations count; the C++ file is written
// by hand, and without NOSKIP nothing is built.
void translate_interface_head(compiler& c)
{
    open_output(c, host_path("nul"));
    c.interface_module = true;
    c.next();
    if (equal_nocase(c.lex.text, "NOSKIP"))
        c.next();
    else
        c.abort_build = true;
    c.expect_end_of_statement();
    c.next();
}

void write_file_head(compiler& c)
{
    open_output(c, host_path(change_ext(c.this_module.name, "cpp")));
    if (c.debug) c.output << "#define __KLN_DEBUG\n";
    c.output << "#include \"" << c.run.basedir << "lib/core/core.h\"\n"
             << "\nnamespace kln\n{\nnamespace " << c.this_module.name << "\n{\n\n";
}

void translate_declarations(compiler& c)
{
    while (!(c.lex.kind == token_kind::end_of_statement && c.lex.at_eof())) {
        if (c.lex.kind != token_kind::end_of_statement) {
            translate_declaration(c, read_visibility(c));
            c.expect_end_of_statement();
        }
        c.output << c.indent_text();
        c.next();
    }
}

void write_default_sections(compiler& c)
{
    module& m = c.this_module;
    if (!m.has_initialization) {
        c.output << "\nstruct initialization { initialization(); };" << c.indent_text()
                 << "initialization::initialization()";
        c.emit_dll_loader();
        c.output << c.indent_text();
        m.has_initialization = true;
    }
    if (!m.has_finalization) {
        c.output << "\nstruct finalization { ~finalization(); };" << c.indent_text()
                 << "finalization::~finalization()";
        c.emit_dll_unloader();
        c.output << c.indent_text();
        m.has_finalization = true;
    }
}

// The program's start-up block: constructing it initialises every module
// in load order, deleting it finalises them in reverse.
void write_program_block(compiler& c)
{
    c.output << "\n\nstruct __init_and_final\n{\n";
    for (const module* m : c.loaded_modules) {
        if (m->has_initialization) c.output << "\t" << m->name << "::initialization __init_" << m->name << ";\n";
        if (m->has_finalization) c.output << "\t" << m->name << "::finalization __final_" << m->name << ";\n";
    }
    c.output << "} *__init_and_final_ptr;\n\n"
             << "extern \"C\" void __init_all() { __init_and_final_ptr = new __init_and_final; }\n"
             << "extern \"C\" void __final_all() { delete __init_and_final_ptr; }\n";
}

}  // namespace

void compiler::translate_module()
{
    next();
    abort_build = false;
    if (equal_nocase(lex.text, "INTERFACE"))
        translate_interface_head(*this);
    else
        write_file_head(*this);
    if (!equal_nocase(this_module.name, "SYSTEM")) load_import("System");
    output << indent_text();
    translate_declarations(*this);
    check_module_classes();
    check_type_names_against_modules();
    write_default_sections(*this);
    if (!library) write_program_block(*this);
    output << "\n\n}\n}";
    output.close();
    if (!output) throw "Error writing output file";
}

// "#CPP" … "#KLN": each raw line is copied, followed by an empty line.
void compiler::translate_cpp_block()
{
    for (;;) {
        output << indent_text();
        lex.read_rest_of_line();
        line_buffer = lex.line_text;
        if (equal_nocase(line_buffer, "#KLN")) return;
        if (lex.at_eof()) throw "unexpected end of file";
        output << line_buffer << indent_text();
    }
}
