// stmt_block.cpp: the statement block loop and dispatcher, the per-body
// state, and the small statements END, #CPP, labels, GOTO, EXIT, SWAP,
// INCR and DECR.
#include "stmt.h"

namespace kiln {

// --- shared helpers (stmt.h) ---------------------------------------------------

void expect_word(compiler& c, const char* word, const char* message)
{
    if (!c.is_word(word)) throw message;
    c.next();
}

void skip_empty_statements(compiler& c)
{
    while (c.at_end_of_statement()) {
        if (c.lex.at_eof()) throw "unexpected end of file";
        c.next();
    }
}

type_symbol* translate_assignable(compiler& c)
{
    expression_request assignable;
    assignable.want_lvalue = true;
    assignable.bare_lvalue = true;
    expression operand = translate_expression(c, assignable, c.output);
    if (operand.kind != expression::form::target) throw "lvalue expected";
    return operand.type;
}

void translate_indented_block(compiler& c)
{
    ++c.indent;
    c.next();
    translate_block(c);
    --c.indent;
}

void write_body_return(compiler& c)
{
    bool traced = c.body.kind == body_kind::sub || c.body.kind == body_kind::function ||
                  c.body.kind == body_kind::section;
    if (c.debug && traced) c.output << "kln::dbg_endfunc();" << c.indent_text();
    if (c.body.kind == body_kind::function)
        c.output << "return result;";
    else if (c.body.kind == body_kind::property_get)
        c.output << "return " << c.body.result << ";";
    else
        c.output << "return;";
}

// --- per-body state ------------------------------------------------------------

void begin_body(compiler& c, body_kind kind, const std::string& result_variable)
{
    c.body.kind = kind;
    c.body.result = result_variable;
    c.body.labels.clear();
}

void end_body(compiler& c)
{
    c.body.kind = body_kind::none;
    for (const auto& label : c.body.labels)
        if (!label.second) throw "undefined label '" + label.first + "'";
}

// --- block loop and dispatcher ---------------------------------------------------

bool translate_block(compiler& c)
{
    for (;;) {
        c.output << c.indent_text();
        if (!translate_statement(c)) return false;
        c.expect_end_of_statement();
        c.next();
    }
}

namespace {

// Statements nest through their blocks and single-line bodies; a depth
// limit keeps a pathological source from exhausting the stack.
const int max_statement_nesting = 1000;

void translate_after_optional_word(compiler& c)
{
    c.next();
    translate_assignment(c);
}

// A statement keyword's translator; null for a word that ends a block
// without being consumed (END x ends one as well).
using statement_translator = void (*)(compiler&);

const nocase_map<statement_translator> statement_words = {
    {"EXIT", [](compiler& c) { translate_exit(c); }},
    {"DIM", [](compiler& c) { translate_dim(c, vis_local); }},
    {"LET", translate_after_optional_word},
    {"SET", translate_after_optional_word},
    {"CALL", translate_after_optional_word},
    {"IF", [](compiler& c) { translate_if(c); }},
    {"WHILE", [](compiler& c) { translate_while(c); }},
    {"DO", [](compiler& c) { translate_do(c); }},
    {"FOR", [](compiler& c) { translate_for(c); }},
    {"REDIM", [](compiler& c) { translate_redim(c); }},
    {"PRINT", [](compiler& c) { translate_print(c); }},
    {"INPUT", [](compiler& c) { translate_input(c); }},
    {"LINE", [](compiler& c) { translate_line_input(c); }},
    {"RAISE", [](compiler& c) { translate_raise(c); }},
    {"TRY", [](compiler& c) { translate_try(c); }},
    {"THROW", [](compiler& c) { translate_throw(c); }},
    {"SELECT", [](compiler& c) { translate_select(c); }},
    {"INCR", [](compiler& c) { translate_incr(c); }},
    {"DECR", [](compiler& c) { translate_decr(c); }},
    {"SWAP", [](compiler& c) { translate_swap(c); }},
    {"GOTO", [](compiler& c) { translate_goto(c); }},
    {"NEXT", nullptr},
    {"WEND", nullptr},
    {"LOOP", nullptr},
    {"ELSE", nullptr},
    {"ELSEIF", nullptr},
    {"CATCH", nullptr},
    {"CASE", nullptr},
};

bool is_directive(const compiler& c, const char* directive)
{
    return c.lex.kind == token_kind::string_or_directive && equal_nocase(c.lex.text, directive);
}

// END alone ends the program; END followed by a word closes a block.
bool translate_end(compiler& c)
{
    c.next();
    if (!c.at_end_of_statement()) return false;
    c.output << "throw kln::end();";
    return true;
}

}  // namespace

bool translate_statement(compiler& c)
{
    depth_guard guard(c.statement_depth, max_statement_nesting, "statements too deeply nested");
    skip_empty_statements(c);
    if (c.lex.kind == token_kind::label) {
        translate_label(c);
        return true;
    }
    bool cpp_block = is_directive(c, "#CPP");
    if (c.lex.kind != token_kind::identifier && !cpp_block && !is_directive(c, "#KLN"))
        throw "statement expected";
    if (c.debug) c.output << "kln::dbg_line(" << c.lex.line << "); ";
    if (c.is_word("END")) return translate_end(c);
    auto word =
        c.lex.kind == token_kind::identifier ? statement_words.find(c.lex.text) : statement_words.end();
    if (word != statement_words.end()) {
        if (!word->second) return false;
        word->second(c);
        return true;
    }
    if (cpp_block) {
        translate_cpp_block(c);
        c.output << c.indent_text();
    } else if (c.lex.kind == token_kind::identifier) {
        translate_assignment(c);
    }
    // A "#KLN" outside a verbatim block stays as the current token, so the
    // block loop reports "end of statement expected".
    return true;
}

// --- labels and GOTO -------------------------------------------------------------

void translate_label(compiler& c)
{
    bool& defined = c.body.labels[c.lex.text];
    if (defined) throw "duplicate label name";
    defined = true;
    c.output << "__label_" << c.lex.text << ":;";
    c.next();
}

void translate_goto(compiler& c)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "label expected";
    c.body.labels.emplace(c.lex.text, false);
    c.output << "goto __label_" << c.lex.text << ";";
    c.next();
}

// --- EXIT ----------------------------------------------------------------------

void translate_exit(compiler& c)
{
    c.next();
    if (c.is_word("DO") || c.is_word("FOR")) {
        if (c.body.loop_depth <= 0) throw "EXIT DO/FOR outside of the loop";
        c.output << "break;";
    } else if (c.is_word("FUNCTION") || c.is_word("SUB")) {
        write_body_return(c);
    } else if (c.is_word("PROPERTY")) {
        c.next();
        if (!c.is_word("GET") && !c.is_word("SET")) throw "GET or SET expected";
        if (c.body.kind != body_kind::property_get && c.body.kind != body_kind::property_set)
            throw "EXIT PROPERTY outside of property";
        write_body_return(c);
    } else {
        throw "DO, FOR, FUNCTION, SUB or PROPERTY expected";
    }
    c.next();
}

// --- SWAP, INCR, DECR ------------------------------------------------------------

void translate_swap(compiler& c)
{
    c.output << "kln::swap(";
    c.next();
    type_symbol* first = translate_assignable(c);
    c.output << ", ";
    if (!c.is_operator(",")) throw "comma expected";
    c.next();
    type_symbol* second = translate_assignable(c);
    if (first != second) throw "type mismatch";
    c.output << ");";
}

namespace {

// INCR and DECR: `v` steps by one, `v, n` by the value n.
void translate_step(compiler& c, bool up)
{
    c.next();
    type_symbol* type = translate_assignable(c);
    if (c.is_operator(",")) {
        c.output << (up ? " += " : " -= ");
        c.next();
        translate_expression(c, {}, c.output);
    } else {
        c.output << step_by_one_text(type, up);
    }
    c.output << ";";
}

}  // namespace

void translate_incr(compiler& c) { translate_step(c, true); }

void translate_decr(compiler& c) { translate_step(c, false); }

}  // namespace kiln
