// stmt_loops.cpp: IF, WHILE, DO, FOR and FOR EACH.
#include "expr.h"
#include "stmt.h"

namespace kiln {

namespace {

// A single-line body (IF … THEN stmt, WHILE … DO stmt): one statement in braces.
void translate_single_statement(compiler& c)
{
    c.output << " { ";
    if (!translate_statement(c)) throw "illegal statement";
    c.output << " }";
}

// The body of a loop: counted for EXIT DO/FOR.
void translate_loop_body(compiler& c)
{
    ++c.body.loop_depth;
    translate_indented_block(c);
    --c.body.loop_depth;
}

void write_condition(compiler& c)
{
    c.next();
    translate_expression(c, {}, c.output);
}

// A body that follows a header line: the header must end there.
void translate_block_after_header(compiler& c)
{
    c.next();
    c.expect_end_of_statement();
    c.push_scope();
    translate_indented_block(c);
    c.output << c.indent_text() << "}";
}

// The declared type of a loop variable: "T " or "kln::ref<class T>  ".
void write_declared_type(compiler& c, type_symbol* type) { c.output << conv_type_text(type) << " "; }

// `AS type` of a loop variable: a new variable of the loop's scope.
variable_symbol* declare_loop_variable(compiler& c, const std::string& name)
{
    c.next();
    type_symbol* type = parse_typename(c);
    if (type->kind == symbol_kind::record) throw "illegal counter type";
    auto* variable = new variable_symbol(name, vis_local, c.scope_level, type);
    c.this_module.identifiers.push_back(variable);
    return variable;
}

// An existing variable that a loop can store into: not an array, container or property.
variable_symbol* as_loop_variable(symbol* found)
{
    auto* variable = found->kind == symbol_kind::variable ? static_cast<variable_symbol*>(found) : nullptr;
    if (!variable || variable->is_array || variable->container != container_kind::none ||
        variable->has_getter || variable->has_setter)
        throw "variable expected";
    return variable;
}

variable_symbol* find_loop_variable(compiler& c, const std::string& name)
{
    return as_loop_variable(c.require_identifier(name));
}

// The block around FOR and FOR EACH that scopes the loop's own variables.
void open_loop_scope(compiler& c, const char* comment)
{
    c.output << comment << c.indent_text() << "{";
    c.push_scope();
    ++c.indent;
    ++c.body.loop_depth;
    c.output << c.indent_text();
}

void close_loop_scope(compiler& c)
{
    --c.indent;
    c.output << c.indent_text() << "}";
    c.pop_scope();
}

// The loop body up to NEXT, one level deeper; one name may follow NEXT, unchecked.
// The inner block stays open: the caller writes the NEXT line's own text.
void translate_body_to_next(compiler& c)
{
    ++c.indent;
    c.next();
    translate_block(c);
    if (!c.is_word("NEXT")) throw "NEXT expected";
    c.next();
    if (!c.at_end_of_statement()) c.next();
    --c.indent;
    --c.body.loop_depth;
}

}  // namespace

// --- IF --------------------------------------------------------------------------

void translate_if(compiler& c)
{
    c.output << "if ( ";
    write_condition(c);
    c.output << " )";
    expect_word(c, "THEN", "THEN expected");
    c.push_scope();
    if (!c.at_end_of_statement()) {
        translate_single_statement(c);
        c.pop_scope();
        return;
    }
    c.output << c.indent_text() << "{";
    translate_indented_block(c);
    c.output << c.indent_text() << "}";
    while (c.is_word("ELSEIF")) {
        c.pop_scope();
        c.output << c.indent_text() << "else if ( ";
        write_condition(c);
        c.output << " ) " << c.indent_text() << "{";
        if (!c.is_word("THEN")) throw "THEN expected";
        translate_block_after_header(c);
    }
    if (c.is_word("ELSE")) {
        c.pop_scope();
        c.output << c.indent_text() << "else" << c.indent_text() << "{";
        translate_block_after_header(c);
    }
    expect_word(c, "IF", "IF expected");
    c.pop_scope();
}

// --- WHILE -----------------------------------------------------------------------

void translate_while(compiler& c)
{
    c.output << "while ( ";
    write_condition(c);
    c.output << " )";
    c.push_scope();
    if (c.is_word("DO")) {
        c.next();
        translate_single_statement(c);
    } else if (c.at_end_of_statement()) {
        c.output << c.indent_text() << "{";
        translate_loop_body(c);
        c.output << c.indent_text() << "}";
        expect_word(c, "WEND", "WEND expected");
    } else {
        throw "DO or end of statement expected";
    }
    c.pop_scope();
}

// --- DO --------------------------------------------------------------------------

namespace {

// WHILE or UNTIL before a DO or LOOP condition: UNTIL negates it.
void write_condition_word(compiler& c)
{
    if (c.is_word("UNTIL"))
        c.output << "!";
    else if (!c.is_word("WHILE"))
        throw "WHILE or UNTIL or end of statement expected";
    c.output << "( ";
    write_condition(c);
    c.output << " )";
}

void translate_do_body(compiler& c)
{
    c.push_scope();
    translate_loop_body(c);
    c.pop_scope();
    expect_word(c, "LOOP", "LOOP expected");
}

}  // namespace

void translate_do(compiler& c)
{
    c.next();
    if (c.at_end_of_statement()) {
        c.output << "do" << c.indent_text() << "{";
        translate_do_body(c);
        c.output << c.indent_text() << "} while ( ";
        if (c.at_end_of_statement()) {
            c.output << "true );";
            return;
        }
        write_condition_word(c);
        c.output << " );";
        return;
    }
    c.output << "while ( ";
    write_condition_word(c);
    c.output << " )" << c.indent_text() << "{";
    c.expect_end_of_statement();
    translate_do_body(c);
    c.output << c.indent_text() << "}";
}

// --- FOR -------------------------------------------------------------------------

namespace {

// The counter of FOR: declared by AS, found, or declared SINGLE for the loop.
variable_symbol* translate_counter(compiler& c, const std::string& name)
{
    if (c.is_word("AS")) {
        variable_symbol* counter = declare_loop_variable(c, name);
        write_declared_type(c, counter->type);
        return counter;
    }
    if (symbol* found = c.find_identifier(name)) {
        variable_symbol* counter = as_loop_variable(found);
        if (counter->type->kind == symbol_kind::record) throw "illegal counter type";
        return counter;
    }
    if (c.explicit_option) throw "undeclared identifier '" + name + "'";
    c.output << "float ";
    auto* counter = new variable_symbol(name, vis_local, c.scope_level, expr::builtin_type(c, "SINGLE"));
    c.this_module.identifiers.push_back(counter);
    return counter;
}

// A counter counts: a text counter is none.
variable_symbol* translate_numeric_counter(compiler& c, const std::string& name)
{
    variable_symbol* counter = translate_counter(c, name);
    if (is_text_type(counter->type)) throw "illegal counter type";
    return counter;
}

// The C++ type that holds the limit, which is evaluated once: the counter's
// own precision for a floating counter (a SINGLE loop compares as a SINGLE
// assignment would), double for every other counter, which is exact for
// every LONG.
std::string limit_type_text(const type_symbol* counter_type)
{
    std::string spelling = counter_type->cpp_name();
    if (spelling == "float" || spelling == "long double") return spelling;
    return "double";
}

// The start value or the limit: a number. A VARIANT counter takes a text
// start as its assignment would.
void translate_bound(compiler& c, const variable_symbol& counter, bool is_start)
{
    type_symbol* type = translate_expression(c, {}, c.output).type;
    bool takes_text = is_start && equal_nocase(counter.type->name, "VARIANT");
    if (is_text_type(type) && !takes_text) throw "type mismatch";
}

// STEP [+|-] number: the step's text; a leading "-" counts downwards.
std::string translate_step(compiler& c)
{
    if (!c.is_word("STEP")) {
        if (!c.at_end_of_statement()) throw "STEP or end of statement expected";
        return "1";
    }
    c.next();
    std::string step;
    if (c.is_operator("-") || c.is_operator("+")) {
        step = c.lex.text;
        c.next();
    }
    if (c.lex.kind != token_kind::number) throw "number expected";
    step += c.lex.text;
    c.next();
    c.expect_end_of_statement();
    return step;
}

}  // namespace

void translate_for(compiler& c)
{
    c.next();
    if (c.is_word("EACH")) {
        translate_for_each(c);
        return;
    }
    if (c.lex.kind != token_kind::identifier) throw "variable expected";
    open_loop_scope(c, "// for");
    std::string name = c.lex.text;
    c.next();
    variable_symbol* counter_symbol = translate_numeric_counter(c, name);
    std::string counter = counter_symbol->cpp_name();
    c.output << counter << " = ";
    if (!c.is_operator("=")) throw "assignment expected";
    c.next();
    translate_bound(c, *counter_symbol, true);
    c.output << ";" << c.indent_text() << limit_type_text(counter_symbol->type) << " __limit = ";
    expect_word(c, "TO", "TO expected");
    translate_bound(c, *counter_symbol, false);
    std::string step = translate_step(c);
    c.output << ";" << c.indent_text() << "while ( " << counter << (step[0] == '-' ? " >=" : " <=")
             << " __limit )" << c.indent_text() << "{";
    translate_body_to_next(c);
    c.output << counter << " += " << step << ";" << c.indent_text() << "}";
    close_loop_scope(c);
}

// --- FOR EACH --------------------------------------------------------------------

namespace {

// The first variable of FOR EACH: declared by AS, else an existing one.
variable_symbol* translate_each_variable(compiler& c)
{
    if (c.lex.kind != token_kind::identifier) throw "variable expected";
    std::string name = c.lex.text;
    c.next();
    if (!c.is_word("AS")) return find_loop_variable(c, name);
    variable_symbol* variable = declare_loop_variable(c, name);
    write_declared_type(c, variable->type);
    c.output << variable->cpp_name() << "; ";
    return variable;
}

// `v [AS T]` or `k, v`: returns the element variable and sets the key variable.
variable_symbol* translate_each_variables(compiler& c, variable_symbol*& key)
{
    variable_symbol* first = translate_each_variable(c);
    if (!c.is_operator(",")) return first;
    key = first;
    if (key->type != expr::builtin_type(c, "STRING")) throw "type mismatch";
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "variable expected";
    variable_symbol* element = find_loop_variable(c, c.lex.text);
    c.next();
    return element;
}

bool element_fits(const type_symbol* element, const type_symbol* variable)
{
    return element == variable || (is_class(element) && is_class(variable));
}

}  // namespace

void translate_for_each(compiler& c)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "variable expected";
    open_loop_scope(c, "// for-each");
    variable_symbol* key = nullptr;
    variable_symbol* element = translate_each_variables(c, key);
    if (c.lex.kind != token_kind::identifier || c.lex.text != "IN") throw "IN expected";
    c.next();
    c.output << "kln::iterator* __iter = ";
    // Only a dictionary's iterator yields keys.
    expr::request container;
    container.want_collection = true;
    container.wanted_container = key ? container_kind::dictionary : container_kind::none;
    type_symbol* element_type = translate_expression(c, container, c.output).type;
    if (!element_fits(element_type, element->type)) throw "type mismatch";
    c.output << ".iterate();" << c.indent_text();
    c.expect_end_of_statement();
    c.output << "while (__iter->next(";
    if (key) c.output << key->cpp_name() << ", ";
    c.output << "kln::ptr(" << element->cpp_name() << ")))" << c.indent_text() << "{";
    translate_body_to_next(c);
    c.output << c.indent_text() << "}" << c.indent_text() << "delete __iter;";
    close_loop_scope(c);
}

}  // namespace kiln
