// expr_containers.cpp: indexing of dynamic arrays (kln::array) and of
// fixed-size record field arrays, element access and methods of
// collections and dictionaries, and the LBOUND/UBOUND bound functions.
#include "expr.h"

namespace kiln {

namespace {

using namespace expr;

const int max_dynamic_indices = 4;

// "a(i, j)" on a dynamic array, "m[i][j]" on a fixed-size field; "a()"
// is the whole array where one is requested.
void translate_indexing(state& st, const variable_symbol* v, bool fixed)
{
    compiler& c = st.c;
    expect_operator(c, "(", "brace expected");
    if (!fixed) st.out << "(";
    c.next();
    int limit = fixed ? v->dimension_count : max_dynamic_indices;
    int count = 0;
    while (!c.is_operator(")")) {
        if (++count > limit) throw "too many indices";
        st.out << (fixed ? "[" : "");
        translate_value(c, st.out);
        st.out << (fixed ? "]" : "");
        if (c.is_operator(")")) break;
        expect_operator(c, ",", "brackets mismatch");
        c.next();
        if (!fixed) st.out << ", ";
        if (c.is_operator(")")) throw "expression expected";  // "a(1,)"
    }
    if (fixed && count != v->dimension_count) throw "dimensions mismatch";
    if (!fixed) st.out << ")";
    if (st.req.want_array) {
        if (count > 0) st.composite = true;
    } else if (count == 0) {
        throw "specify at least one index";
    }
    c.next();
}

// A position, key or item that must not be a record.
void translate_scalar(compiler& c, text_stream& out)
{
    if (is_record(translate_value(c, out))) throw "index should be a scalar";
}

// After a method name: "(" argument ")", the argument written after `head`.
void translate_one_argument_method(state& st, const std::string& head)
{
    compiler& c = st.c;
    st.out << head;
    c.next();
    expect_operator(c, "(", "brace expected");
    c.next();
    translate_scalar(c, st.out);
    expect_operator(c, ")", "closing brace expected");
    st.out << "))";
    c.next();
}

// Add / Insert: a value and an optional position.
void translate_add(state& st, const variable_symbol* v)
{
    compiler& c = st.c;
    st.out << "add(kln::conv((" << conv_type_text(v->type) << "*)0, ";
    c.next();
    expect_operator(c, "(", "brace expected");
    c.next();
    type_symbol* value_type = translate_value(c, st.out);
    if (is_record(v->type) && value_type != v->type) throw "type mismatch";
    if (c.is_operator(",")) {
        st.out << "), kln::conv((int*)0, ";
        c.next();
        translate_scalar(c, st.out);
    }
    expect_operator(c, ")", "closing brace expected");
    st.out << "))";
    c.next();
}

// Current token: the method name after "c."; returns the result type
// (null for none). A collection is addressed by position, a dictionary by key.
type_symbol* translate_method_call(state& st, const variable_symbol* v, bool as_member)
{
    compiler& c = st.c;
    const std::string name = c.lex.text;
    bool dictionary = v->container == container_kind::dictionary;
    if (equal_nocase(name, "Add") || equal_nocase(name, "Insert")) {
        if (dictionary) throw "ADD cannot be used on dictionaries";
        translate_add(st, v);
    } else if (equal_nocase(name, "Contains")) {
        if (!dictionary) throw "CONTAINS cannot be used on collections";
        translate_one_argument_method(st, "contains(kln::conv((kln::string*)0, ");
        return builtin_type(c, "BOOLEAN");
    } else if (equal_nocase(name, "Remove")) {
        translate_one_argument_method(
            st, dictionary ? "remove(kln::conv((kln::string*)0, " : "remove(kln::conv((int*)0, ");
    } else if (equal_nocase(name, "RemoveItem")) {
        translate_one_argument_method(st, "removeitem(kln::conv((" + conv_type_text(v->type) + "*)0, ");
    } else if (equal_nocase(name, "Count")) {
        st.out << "length()";
        c.next();
        return builtin_type(c, as_member ? "INTEGER" : "DWORD");
    } else if (equal_nocase(name, "Clear")) {
        st.out << "clear()";
        c.next();
    } else {
        throw std::string("undefined method '" + name + "'");
    }
    return nullptr;
}

void translate_container_method(state& st, const variable_symbol* v, bool as_member)
{
    compiler& c = st.c;
    st.out << ".";
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    type_symbol* result = translate_method_call(st, v, as_member);
    if (st.stop_unless_target(expression::form::call)) return;  // "c.Add(x)" as a statement
    if (!result) throw "SUB calls cannot be used in expressions";
    st.composite = true;
    st.current = nullptr;
    st.type = result;
}

// "c(position)" / "d(key)": the element.
void translate_element(state& st)
{
    compiler& c = st.c;
    st.out << "(";
    c.next();
    translate_scalar(c, st.out);
    expect_operator(c, ")", "closing brace expected");
    st.out << ")";
    st.composite = true;
    c.next();
}

void translate_container_access(state& st, const variable_symbol* v, bool as_member)
{
    if (st.c.is_operator("("))
        translate_element(st);
    else if (st.c.is_operator("."))
        translate_container_method(st, v, as_member);
    else if (!st.req.want_collection)
        throw "index expected";
    // otherwise the whole container is the operand
}

}  // namespace

namespace expr {

void translate_variable_suffix(state& st, variable_symbol* v, bool as_member)
{
    bool fixed = !is_property(v) && v->dimension_count > 0;
    if (v->is_array || fixed)
        translate_indexing(st, v, fixed);
    else if (v->container != container_kind::none)
        translate_container_access(st, v, as_member);
}

void translate_bound_function(state& st, bool upper)
{
    compiler& c = st.c;
    st.out << (upper ? "kln::ubound(" : "kln::lbound(");
    c.next();
    expect_operator(c, "(", "brace expected");
    c.next();
    request whole_array;
    whole_array.want_array = true;
    translate_expression(c, whole_array, st.out);
    if (c.is_operator(",")) {
        st.out << ", ";
        c.next();
        translate_value(c, st.out);
    }
    expect_operator(c, ")", "closing brace expected");
    st.out << ")";
    c.next();
    st.current = nullptr;
    st.type = builtin_type(c, "LONG");
}

}  // namespace expr

}  // namespace kiln
