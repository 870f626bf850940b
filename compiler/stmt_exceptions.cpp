// stmt_exceptions.cpp: TRY … CATCH … END TRY, THROW, RAISE and SELECT CASE.
#include "expr.h"
#include "stmt.h"

#include <set>

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
        type = c.parse_typename();
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
    c.translate_block();
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

void compiler::translate_try()
{
    if (debug) output << "{ int __unwind_pos = kln::dbg_savefunc();" << indent_text();
    output << "try" << indent_text() << "{";
    push_scope();
    translate_indented_block(*this);
    pop_scope();
    output << indent_text() << "}";
    if (is_word("TRY")) {
        write_swallow_all(*this);
    } else {
        std::set<type_symbol*> caught;
        bool more = true;
        while (more && !is_word("TRY")) more = translate_handler(*this, caught);
        if (!is_word("TRY")) throw "TRY expected";
    }
    if (debug) output << indent_text() << "}";
    next();
}

// --- THROW and RAISE -------------------------------------------------------------

void compiler::translate_throw()
{
    output << "throw ";
    next();
    translate_expression({}, output);
    output << ";";
}

void compiler::translate_raise()
{
    next();
    type_symbol* type = translate_expression({}, output).type;
    if (!type || !equal_nocase(type->name, "EVENT")) throw "event expected";
    if (!is_operator("(")) throw "braces expected";
    output << ".raise(";
    next();
    translate_expression({}, output);
    if (!is_operator(")")) throw "closing brace expected";
    output << ");";
    next();
}

// --- SELECT CASE -----------------------------------------------------------------

namespace {

// One CASE item: `v` or `lo TO hi`, compared with the selector "is".
void translate_case_item(compiler& c)
{
    c.output << "(";
    std::ostringstream first;
    expression value = c.translate_expression({}, first);
    if (c.is_word("TO")) {
        c.write_value_beside(first.str(), value, cpp_level::relational);
        c.output << " <= is && is <= ";
        c.next();
        std::ostringstream last;
        expression upper = c.translate_expression({}, last);
        c.write_value_beside(last.str(), upper, cpp_level::relational);
    } else {
        c.write_value_beside(first.str(), value, cpp_level::equality);
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

void compiler::translate_select()
{
    next();
    expect_word(*this, "CASE", "CASE expected");
    output << "{";
    ++indent;
    output << indent_text() << "variant is = ";
    translate_expression({}, output);
    expect_end_of_statement();
    output << ";" << indent_text() << "if (false);";
    skip_empty_statements(*this);
    bool more = true;
    while (more && !is_word("SELECT")) more = translate_case(*this);
    if (!is_word("SELECT")) throw "SELECT expected";
    --indent;
    output << indent_text() << "}";
    next();
}
