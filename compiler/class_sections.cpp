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

namespace kiln {

namespace {

struct section_kind {
    const char* word;         // INITIALIZATION or FINALIZATION
    const char* declaration;  // the struct that holds the constructor or destructor
    const char* definition;   // the heading of its body
};

const section_kind initialization_section = {"INITIALIZATION", "struct initialization { initialization(); };",
                                             "initialization::initialization()"};
const section_kind finalization_section = {"FINALIZATION", "struct finalization { ~finalization(); };",
                                           "finalization::~finalization()"};

void begin_section(compiler& c, const section_kind& kind, bool& seen)
{
    if (seen) throw std::string("duplicate ") + kind.word + " section";
    c.next();
    c.expect_end_of_statement();
    c.output << kind.declaration << c.indent_text() << kind.definition << c.indent_text() << "{";
    c.push_scope();
    ++c.indent;
    if (c.debug)
        c.output << c.indent_text() << "kln::dbg_func(\"" << c.this_module.name << "." << kind.word << "\");";
    begin_body(c, body_kind::section);
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
    end_body(c);
}

}  // namespace

void translate_initialization(compiler& c)
{
    begin_section(c, initialization_section, c.this_module.has_initialization);
    emit_dll_loader(c);
    translate_block(c);
    end_section(c, initialization_section, c.this_module.has_initialization);
}

void translate_finalization(compiler& c)
{
    begin_section(c, finalization_section, c.this_module.has_finalization);
    translate_block(c);
    emit_dll_unloader(c);
    end_section(c, finalization_section, c.this_module.has_finalization);
}

void emit_dll_loader(compiler& c)
{
    c.output << c.indent_text() << "// DLL loader" << c.indent_text() << "{";
    ++c.indent;
    c.output << c.indent_text();
    for (const std::string& library : c.library_names)
        c.output << "kln::loadlib(" << library << ");" << c.indent_text();
    --c.indent;
    c.output << c.indent_text() << "}" << c.indent_text();
}

void emit_dll_unloader(compiler& c)
{
    c.output << c.indent_text() << "/* DLL unloader */ { kln::unloadlibs(); }" << c.indent_text();
}

}  // namespace kiln
