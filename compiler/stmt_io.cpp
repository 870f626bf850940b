// stmt_io.cpp: PRINT, INPUT and LINE INPUT on the run-time console
// objects, and REDIM of a run-time array.
#include "stmt.h"

// Items are separated by "," or ";"; a ";" after the last item leaves the
// line open.
void compiler::translate_print()
{
    output << "print";
    next();
    for (;;) {
        output << " << ";
        std::ostringstream text;
        expression item = translate_expression({}, text);
        write_value_beside(text.str(), item, cpp_level::shift);
        if (is_operator(",")) {
            next();
        } else if (is_operator(";")) {
            next();
            if (at_end_of_statement()) break;
        } else {
            output << " << string(\"\\r\\n\")";
            break;
        }
    }
    output << "; ";
}

void compiler::translate_input()
{
    output << "input >> ";
    next();
    translate_assignable(*this);
    output << "; ";
}

void compiler::translate_line_input()
{
    next();
    expect_word(*this, "INPUT", "INPUT expected");
    output << "input.line(";
    type_symbol* type = translate_assignable(*this);
    if (!type || (!equal_nocase(type->name, "STRING") && !equal_nocase(type->name, "APISTRING")))
        throw "STRING lvalue expected";
    output << ");";
}

namespace {

const int max_redim_dimensions = 4;

variable_symbol* find_array(compiler& c, const std::string& name)
{
    symbol* found = c.find_identifier(name);
    if (!found) throw "undeclared array '" + name + "'";
    auto* array = found->kind == symbol_kind::variable ? static_cast<variable_symbol*>(found) : nullptr;
    if (!array || !array->is_array) throw "array expected";
    return array;
}

// One dimension: "lo, hi" for `lo TO hi`, "n, 0" for `n`.
void translate_bound_pair(compiler& c)
{
    c.translate_expression({}, c.output);
    if (c.is_word("TO")) {
        c.output << ", ";
        c.next();
        c.translate_expression({}, c.output);
    } else {
        c.output << ", 0";
    }
}

// The bounds up to ")": a bound is required after every ",".
void translate_redim_bounds(compiler& c)
{
    if (c.is_operator(")")) return;
    for (int count = 1;; ++count) {
        if (count > max_redim_dimensions) throw "too many dimensions";
        translate_bound_pair(c);
        if (c.is_operator(")")) return;
        if (!c.is_operator(",")) throw "closing brace expected";
        c.output << ", ";
        c.next();
    }
}

}  // namespace

void compiler::translate_redim()
{
    next();
    if (lex.kind != token_kind::identifier) throw "identifier expected";
    variable_symbol* array = find_array(*this, lex.text);
    output << array->cpp_name() << ".redim(";
    next();
    if (!is_operator("(")) throw "brace expected";
    next();
    translate_redim_bounds(*this);
    output << ");";
    next();
    if (is_word("AS")) {
        next();
        parse_typename();
    }
}
