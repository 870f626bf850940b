// stmt_block.cpp: the statement block loop and dispatcher, the per-body
// state, and the small statements END, #CPP, labels, GOTO, EXIT, SWAP,
// INCR and DECR.
#include "stmt.h"

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
    expression operand = c.translate_expression(assignable, c.output);
    if (operand.kind != expression::form::target) throw "lvalue expected";
    return operand.type;
}

void translate_indented_block(compiler& c)
{
    ++c.indent;
    c.next();
    c.translate_block();
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

void compiler::begin_body(body_kind kind, const std::string& result_variable)
{
    body.kind = kind;
    body.result = result_variable;
    body.labels.clear();
}

void compiler::end_body()
{
    body.kind = body_kind::none;
    for (const auto& label : body.labels)
        if (!label.second) throw "undefined label '" + label.first + "'";
}

// --- block loop and dispatcher ---------------------------------------------------

namespace {

// Statements nest through their blocks and single-line bodies; a depth
// limit keeps a pathological source from exhausting the stack.
const int max_statement_nesting = 1000;
int statement_nesting = 0;

struct statement_nesting_guard {
    statement_nesting_guard()
    {
        if (statement_nesting == max_statement_nesting) throw "statements too deeply nested";
        ++statement_nesting;
    }
    ~statement_nesting_guard() { --statement_nesting; }
};

}  // namespace

bool compiler::translate_block()
{
    for (;;) {
        output << indent_text();
        if (!translate_statement()) return false;
        expect_end_of_statement();
        next();
    }
}

namespace {

void translate_after_optional_word(compiler& c)
{
    c.next();
    c.translate_assignment();
}

// A statement keyword's translator; null for a word that ends a block
// without being consumed (END x ends one as well).
using statement_translator = void (*)(compiler&);

const nocase_map<statement_translator> statement_words = {
    {"EXIT", [](compiler& c) { c.translate_exit(); }},
    {"DIM", [](compiler& c) { c.translate_dim(vis_local); }},
    {"LET", translate_after_optional_word},
    {"SET", translate_after_optional_word},
    {"CALL", translate_after_optional_word},
    {"IF", [](compiler& c) { c.translate_if(); }},
    {"WHILE", [](compiler& c) { c.translate_while(); }},
    {"DO", [](compiler& c) { c.translate_do(); }},
    {"FOR", [](compiler& c) { c.translate_for(); }},
    {"REDIM", [](compiler& c) { c.translate_redim(); }},
    {"PRINT", [](compiler& c) { c.translate_print(); }},
    {"INPUT", [](compiler& c) { c.translate_input(); }},
    {"LINE", [](compiler& c) { c.translate_line_input(); }},
    {"RAISE", [](compiler& c) { c.translate_raise(); }},
    {"TRY", [](compiler& c) { c.translate_try(); }},
    {"THROW", [](compiler& c) { c.translate_throw(); }},
    {"SELECT", [](compiler& c) { c.translate_select(); }},
    {"INCR", [](compiler& c) { c.translate_incr(); }},
    {"DECR", [](compiler& c) { c.translate_decr(); }},
    {"SWAP", [](compiler& c) { c.translate_swap(); }},
    {"GOTO", [](compiler& c) { c.translate_goto(); }},
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

bool compiler::translate_statement()
{
    statement_nesting_guard guard;
    skip_empty_statements(*this);
    if (lex.kind == token_kind::label) {
        translate_label();
        return true;
    }
    bool cpp_block = is_directive(*this, "#CPP");
    if (lex.kind != token_kind::identifier && !cpp_block && !is_directive(*this, "#KLN")) throw "statement expected";
    if (debug) output << "kln::dbg_line(" << lex.line << "); ";
    if (is_word("END")) return translate_end(*this);
    auto word = lex.kind == token_kind::identifier ? statement_words.find(lex.text) : statement_words.end();
    if (word != statement_words.end()) {
        if (!word->second) return false;
        word->second(*this);
        return true;
    }
    if (cpp_block) {
        translate_cpp_block();
        output << indent_text();
    } else if (lex.kind == token_kind::identifier) {
        translate_assignment();
    }
    // A "#KLN" outside a verbatim block stays as the current token, so the
    // block loop reports "end of statement expected".
    return true;
}

// --- labels and GOTO -------------------------------------------------------------

void compiler::translate_label()
{
    bool& defined = body.labels[lex.text];
    if (defined) throw "duplicate label name";
    defined = true;
    output << "__label_" << lex.text << ":;";
    next();
}

void compiler::translate_goto()
{
    next();
    if (lex.kind != token_kind::identifier) throw "label expected";
    body.labels.emplace(lex.text, false);
    output << "goto __label_" << lex.text << ";";
    next();
}

// --- EXIT ----------------------------------------------------------------------

void compiler::translate_exit()
{
    next();
    if (is_word("DO") || is_word("FOR")) {
        if (body.loop_depth <= 0) throw "EXIT DO/FOR outside of the loop";
        output << "break;";
    } else if (is_word("FUNCTION") || is_word("SUB")) {
        write_body_return(*this);
    } else if (is_word("PROPERTY")) {
        next();
        if (!is_word("GET") && !is_word("SET")) throw "GET or SET expected";
        if (body.kind != body_kind::property_get && body.kind != body_kind::property_set) throw "EXIT PROPERTY outside of property";
        write_body_return(*this);
    } else {
        throw "DO, FOR, FUNCTION, SUB or PROPERTY expected";
    }
    next();
}

// --- SWAP, INCR, DECR ------------------------------------------------------------

void compiler::translate_swap()
{
    output << "kln::swap(";
    next();
    type_symbol* first = translate_assignable(*this);
    output << ", ";
    if (!is_operator(",")) throw "comma expected";
    next();
    type_symbol* second = translate_assignable(*this);
    if (first != second) throw "type mismatch";
    output << ");";
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
        c.translate_expression({}, c.output);
    } else {
        c.output << compiler::step_by_one_text(type, up);
    }
    c.output << ";";
}

}  // namespace

void compiler::translate_incr()
{
    translate_step(*this, true);
}

void compiler::translate_decr()
{
    translate_step(*this, false);
}
