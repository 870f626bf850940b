// stmt.h: helpers shared by the statement translators (stmt_*.cpp), the
// procedure translator and the translators of bodies in classes.
#pragma once

#include "compiler.h"

namespace kiln {

// Takes the next token when the current one is the keyword, else throws `message`.
void expect_word(compiler& c, const char* word, const char* message);

// Skips empty statements; the end of the input inside a body is an error.
void skip_empty_statements(compiler& c);

// An assignable operand written bare (SWAP, INCR, DECR, INPUT, LINE INPUT):
// anything that is not assignable is reported as "lvalue expected".
type_symbol* translate_assignable(compiler& c);

// Raises the indent, takes the next token (the first of the body) and
// translates the statements up to the block's terminator.
void translate_indented_block(compiler& c);

// The return of the current body, as EXIT SUB/FUNCTION/PROPERTY write it:
// traced bodies (procedures, sections) first leave the trace under debug.
void write_body_return(compiler& c);

}  // namespace kiln
