// stmt_exceptions.cpp: TRY … CATCH … END TRY, THROW, RAISE and SELECT CASE.
#include "expr.h"
#include "stmt.h"

#include <set>

namespace kiln {

// --- TRY -------------------------------------------------------------------------

namespace {

// END throws kln::end, which no catch-all handler may swallow.
const char* const rethrow_end = "catch (kln::end&) { throw; }";

// The type caught by `CATCH e [AS T]`. STRING stays the run-time string even
// under OPTION APISTRING: run-time errors and literals are always strings.
type_symbol* parse_catch_type(compiler& c, const variable_symbol& variable)
{
    bool apistring = c.apistring;
    c.apistring = false;
    type_symbol* type;
    if (c.is_word("AS")) {
        c.next();
        type = parse_typename(c);
    } else {
        type = expr::builtin_type(c, suffix_type_name(&variable).c_str());
    }
    c.apistring = apistring;
    return type;
}

// `CATCH name [AS type]`: declares the handler's variable in its scope.
void translate_typed_handler(compiler& c, std::set<type_symbol*>& caught)
{
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    auto* variable = new variable_symbol(c.lex.text, vis_local, c.scope_level, nullptr);
    c.next();
    variable->type = parse_catch_type(c, *variable);
    c.output << value_type_text(variable->type) << " " << variable->cpp_name();
    c.this_module.identifiers.push_back(variable);
    if (!caught.insert(variable->type).second) throw "duplicate exception handler";
    c.expect_end_of_statement();
}

// One CATCH line and its body; returns false after a catch-all handler.
bool translate_handler(compiler& c, std::set<type_symbol*>& caught)
{
    if (!c.is_word("CATCH")) throw "CATCH expected";
    c.next();
    c.push_scope();
    bool catch_all = c.at_end_of_statement();
    if (catch_all) {
        c.output << c.indent_text() << rethrow_end << c.indent_text() << "catch (...";
    } else {
        c.output << c.indent_text() << "catch (";
        translate_typed_handler(c, caught);
    }
    c.output << ")" << c.indent_text() << "{";
    ++c.indent;
    if (c.debug) c.output << "kln::dbg_unwind(__unwind_pos);" << c.indent_text();
    c.next();
    translate_block(c);
    --c.indent;
    c.output << c.indent_text() << "}";
    c.pop_scope();
    return !catch_all;
}

void write_swallow_all(compiler& c)
{
    c.output << c.indent_text() << rethrow_end << c.indent_text();
    c.output << (c.debug ? "catch (...) { kln::dbg_unwind(__unwind_pos); }" : "catch (...) { }");
}

}  // namespace

void translate_try(compiler& c)
{
    if (c.debug) c.output << "{ int __unwind_pos = kln::dbg_savefunc();" << c.indent_text();
    c.output << "try" << c.indent_text() << "{";
    c.push_scope();
    translate_indented_block(c);
    c.pop_scope();
    c.output << c.indent_text() << "}";
    if (c.is_word("TRY")) {
        write_swallow_all(c);
    } else {
        std::set<type_symbol*> caught;
        bool more = true;
        while (more && !c.is_word("TRY")) more = translate_handler(c, caught);
        if (!c.is_word("TRY")) throw "TRY expected";
    }
    if (c.debug) c.output << c.indent_text() << "}";
    c.next();
}

// --- THROW and RAISE -------------------------------------------------------------

void translate_throw(compiler& c)
{
    c.output << "throw ";
    c.next();
    translate_expression(c, {}, c.output);
    c.output << ";";
}

void translate_raise(compiler& c)
{
    c.next();
    type_symbol* type = translate_expression(c, {}, c.output).type;
    if (!type || !equal_nocase(type->name, "EVENT")) throw "event expected";
    if (!c.is_operator("(")) throw "braces expected";
    c.output << ".raise(";
    c.next();
    translate_expression(c, {}, c.output);
    if (!c.is_operator(")")) throw "closing brace expected";
    c.output << ");";
    c.next();
}

// --- SELECT CASE -----------------------------------------------------------------

namespace {

// One CASE item: `v` or `lo TO hi`, compared with the selector "is".
void translate_case_item(compiler& c)
{
    c.output << "(";
    text_stream first;
    expression value = translate_expression(c, {}, first);
    if (c.is_word("TO")) {
        write_value_beside(c, first.str(), value, cpp_level::relational);
        c.output << " <= is && is <= ";
        c.next();
        text_stream last;
        expression upper = translate_expression(c, {}, last);
        write_value_beside(c, last.str(), upper, cpp_level::relational);
    } else {
        write_value_beside(c, first.str(), value, cpp_level::equality);
        c.output << " == is";
    }
    c.output << ")";
}

void translate_case_items(compiler& c)
{
    c.output << " if (";
    translate_case_item(c);
    while (c.is_operator(",")) {
        c.output << " || ";
        c.next();
        translate_case_item(c);
    }
    c.output << ")";
}

// One CASE line and its body; returns false after CASE ELSE.
bool translate_case(compiler& c)
{
    if (!c.is_word("CASE")) throw "CASE expected";
    c.output << c.indent_text() << "else";
    c.next();
    bool case_else = c.is_word("ELSE");
    if (case_else)
        c.next();
    else
        translate_case_items(c);
    c.expect_end_of_statement();
    c.push_scope();
    c.output << c.indent_text() << "{";
    translate_indented_block(c);
    c.output << c.indent_text() << "}";
    c.pop_scope();
    return !case_else;
}

}  // namespace

void translate_select(compiler& c)
{
    c.next();
    expect_word(c, "CASE", "CASE expected");
    c.output << "{";
    ++c.indent;
    c.output << c.indent_text() << "variant is = ";
    translate_expression(c, {}, c.output);
    c.expect_end_of_statement();
    c.output << ";" << c.indent_text() << "if (false);";
    skip_empty_statements(c);
    bool more = true;
    while (more && !c.is_word("SELECT")) more = translate_case(c);
    if (!c.is_word("SELECT")) throw "SELECT expected";
    --c.indent;
    c.output << c.indent_text() << "}";
    c.next();
}

}  // namespace kiln
