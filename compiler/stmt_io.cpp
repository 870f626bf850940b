// stmt_io.cpp: PRINT, INPUT and LINE INPUT on the run-time console
// objects, and REDIM of a run-time array.
#include "stmt.h"

namespace kiln {

// Items are separated by "," or ";"; a ";" after the last item leaves the
// line open.
void translate_print(compiler& c)
{
    c.output << "print";
    c.next();
    for (;;) {
        c.output << " << ";
        text_stream text;
        expression item = translate_expression(c, {}, text);
        write_value_beside(c, text.str(), item, cpp_level::shift);
        if (c.is_operator(",")) {
            c.next();
        } else if (c.is_operator(";")) {
            c.next();
            if (c.at_end_of_statement()) break;
        } else {
            c.output << " << string(\"\\r\\n\")";
            break;
        }
    }
    c.output << "; ";
}

void translate_input(compiler& c)
{
    c.output << "input >> ";
    c.next();
    translate_assignable(c);
    c.output << "; ";
}

void translate_line_input(compiler& c)
{
    c.next();
    expect_word(c, "INPUT", "INPUT expected");
    c.output << "input.line(";
    type_symbol* type = translate_assignable(c);
    if (!type || (!equal_nocase(type->name, "STRING") && !equal_nocase(type->name, "APISTRING")))
        throw "STRING lvalue expected";
    c.output << ");";
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
    translate_expression(c, {}, c.output);
    if (c.is_word("TO")) {
        c.output << ", ";
        c.next();
        translate_expression(c, {}, c.output);
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

void translate_redim(compiler& c)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    variable_symbol* array = find_array(c, c.lex.text);
    c.output << array->cpp_name() << ".redim(";
    c.next();
    if (!c.is_operator("(")) throw "brace expected";
    c.next();
    translate_redim_bounds(c);
    c.output << ");";
    c.next();
    if (c.is_word("AS")) {
        c.next();
        parse_typename(c);
    }
}

}  // namespace kiln
