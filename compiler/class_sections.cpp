// INITIALIZATION and FINALIZATION sections, and the DLL loader and unloader.
//
// A section becomes the constructor of the module's `initialization` struct
// or the destructor of its `finalization` struct. Every initialization body
// first loads the libraries named by the LIB clauses that precede it; every
// finalization body releases the loaded libraries after its own statements,
// so no statement calls a binding whose library is gone. EXIT SUB in a
// FINALIZATION skips that request, which only keeps libraries loaded until
// the process ends.
//
// Order at run time: the program's own INITIALIZATION runs first (before
// System's, so Args is not filled yet, and before its library modules'),
// finalizations in the reverse order. The loaded-library list is
// process-wide; the run-time releases it once, after the last finalization,
// so every FINALIZATION may still call bindings. LIB clauses written after
// the INITIALIZATION section are not loaded by it. END skips finalization.
#include "compiler.h"

namespace {

struct section_kind {
    const char* word;             // INITIALIZATION or FINALIZATION
    const char* declaration;      // the struct that holds the constructor or destructor
    const char* definition;       // the heading of its body
};

const section_kind initialization_section = {
    "INITIALIZATION", "struct initialization { initialization(); };", "initialization::initialization()"};
const section_kind finalization_section = {
    "FINALIZATION", "struct finalization { ~finalization(); };", "finalization::~finalization()"};

void begin_section(compiler& c, const section_kind& kind, bool& seen)
{
    if (seen) throw std::string("duplicate ") + kind.word + " section";
    c.next();
    c.expect_end_of_statement();
    c.output << kind.declaration << c.indent_text() << kind.definition << c.indent_text() << "{";
    c.push_scope();
    ++c.indent;
    if (c.debug) c.output << c.indent_text() << "kln::dbg_func(\"" << c.this_module.name << "." << kind.word << "\");";
    c.begin_body(body_kind::section);
    c.next();
}

void end_section(compiler& c, const section_kind& kind, bool& seen)
{
    if (c.debug) c.output << c.indent_text() << "kln::dbg_endfunc();";
    --c.indent;
    c.pop_scope();
    if (!c.is_word(kind.word)) throw std::string(kind.word) + " expected";
    c.output << c.indent_text() << "}";
    seen = true;
    c.next();
    c.end_body();
}

} // namespace

void compiler::translate_initialization()
{
    begin_section(*this, initialization_section, this_module.has_initialization);
    emit_dll_loader();
    translate_block();
    end_section(*this, initialization_section, this_module.has_initialization);
}

void compiler::translate_finalization()
{
    begin_section(*this, finalization_section, this_module.has_finalization);
    translate_block();
    emit_dll_unloader();
    end_section(*this, finalization_section, this_module.has_finalization);
}

void compiler::emit_dll_loader()
{
    output << indent_text() << "// DLL loader" << indent_text() << "{";
    ++indent;
    output << indent_text();
    for (const std::string& library : library_names) output << "kln::loadlib(" << library << ");" << indent_text();
    --indent;
    output << indent_text() << "}" << indent_text();
}

void compiler::emit_dll_unloader()
{
    output << indent_text() << "/* DLL unloader */ { kln::unloadlibs(); }" << indent_text();
}
