// frame.cpp: the outer level of a module. Writes the head of the C++ file,
// loads System, hands each module-level declaration to its translator,
// and writes the default sections, the program's start-up block and the end.
#include "compiler.h"

namespace kiln {

namespace {

void translate_declare(compiler& c, visibility_level visibility)
{
    c.next();
    const std::string& word = c.lex.text;
    if (equal_nocase(word, "BUILTIN")) {
        translate_builtin(c, visibility);
    } else if (equal_nocase(word, "INITIALIZATION")) {
        c.this_module.has_initialization = true;
        c.next();
    } else if (equal_nocase(word, "FINALIZATION")) {
        c.this_module.has_finalization = true;
        c.next();
    } else if (equal_nocase(word, "CLASS")) {
        translate_class_forward(c, visibility);
    } else {
        translate_procedure(c, visibility, true, nullptr);
    }
}

void translate_definition(compiler& c, visibility_level visibility)
{
    translate_procedure(c, visibility, false, nullptr);
}

// Module-level keywords in the order they are tried; each handler starts
// on the keyword and returns on the token after its declaration.
const struct {
    std::string keyword;
    void (*translate)(compiler&, visibility_level visibility);
} declaration_handlers[] = {
    {"OPTION", [](compiler& c, visibility_level) { translate_option(c); }},
    {"CONST", [](compiler& c, visibility_level v) { translate_const(c, v); }},
    {"ENUM", [](compiler& c, visibility_level v) { translate_enum(c, v); }},
    {"INITIALIZATION", [](compiler& c, visibility_level) { translate_initialization(c); }},
    {"FINALIZATION", [](compiler& c, visibility_level) { translate_finalization(c); }},
    {"DECLARE", translate_declare},
    {"SUB", translate_definition},
    {"FUNCTION", translate_definition},
    {"EXPORT", translate_definition},
    {"PROPERTY", [](compiler& c, visibility_level) { translate_property_body(c); }},
    {"DIM", [](compiler& c, visibility_level v) { translate_dim(c, v); }},
    {"TYPE", [](compiler& c, visibility_level v) { translate_type(c, v); }},
    {"CLASS", [](compiler& c, visibility_level v) { translate_class(c, v); }},
    {"USING", [](compiler& c, visibility_level) { translate_using(c); }},
    {"ALIAS", [](compiler& c, visibility_level) { translate_alias(c); }},
    {"#CPP", [](compiler& c, visibility_level) { translate_cpp_block(c); }},
    {"#KLN", [](compiler&, visibility_level) {}},  // left for the end-of-statement check
};

void translate_declaration(compiler& c, visibility_level visibility)
{
    for (const auto& handler : declaration_handlers) {
        if (equal_nocase(c.lex.text, handler.keyword)) {
            handler.translate(c, visibility);
            return;
        }
    }
    if (c.lex.kind != token_kind::end_of_statement)
        translate_dim(c, visibility);  // a declaration without DIM
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
    open_output(c, host_path(c.output_folder + without_extension(c.this_module.name) + ".cpp"));
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
        emit_dll_loader(c);
        c.output << c.indent_text();
        m.has_initialization = true;
    }
    if (!m.has_finalization) {
        c.output << "\nstruct finalization { ~finalization(); };" << c.indent_text()
                 << "finalization::~finalization()";
        emit_dll_unloader(c);
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
        if (m->has_initialization)
            c.output << "\t" << m->name << "::initialization __init_" << m->name << ";\n";
        if (m->has_finalization) c.output << "\t" << m->name << "::finalization __final_" << m->name << ";\n";
    }
    c.output << "} *__init_and_final_ptr;\n\n"
             << "extern \"C\" void __init_all() { __init_and_final_ptr = new __init_and_final; }\n"
             << "extern \"C\" void __final_all() { delete __init_and_final_ptr; }\n";
}

}  // namespace

void translate_module(compiler& c)
{
    c.next();
    c.abort_build = false;
    if (equal_nocase(c.lex.text, "INTERFACE"))
        translate_interface_head(c);
    else
        write_file_head(c);
    if (!equal_nocase(c.this_module.name, "SYSTEM")) c.load_import("System");
    c.output << c.indent_text();
    translate_declarations(c);
    check_module_classes(c);
    c.check_type_names_against_modules();
    write_default_sections(c);
    if (!c.library) write_program_block(c);
    c.output << "\n\n}\n}";
    c.output.close();
    if (!c.output) throw "Error writing output file";
}

// "#CPP" … "#KLN": each raw line is copied, followed by an empty line.
void translate_cpp_block(compiler& c)
{
    for (;;) {
        c.output << c.indent_text();
        c.lex.read_rest_of_line();
        c.line_buffer = c.lex.line_text;
        if (equal_nocase(c.line_buffer, "#KLN")) return;
        if (c.lex.at_eof()) throw "unexpected end of file";
        c.output << c.line_buffer << c.indent_text();
    }
}

}  // namespace kiln
