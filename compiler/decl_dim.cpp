// decl_dim.cpp: type names (`Name`, `Module.Name`) and variable
// declarations (DIM, and the bare `x AS LONG` form of the module level).
//
// One DIM statement is a list of groups; each group shares one type, one
// array flag, one container kind and one bound list, and becomes one C++
// declaration ending in "; ".
#include "compiler.h"

namespace kiln {

namespace {

// One declaration group: the names and everything they share.
struct dim_group {
    name_group names;
    bool is_array = false;
    std::string bounds;  // "(…)" as C++ text; "" or "()" writes nothing
    bool is_new = false;
    type_symbol* type = nullptr;
    container_kind container = container_kind::none;
};

// A name may hide a variable of an outer scope; anything else it meets in
// the identifier list, or earlier in its own group, is a duplicate.
void check_new_name(compiler& c, const std::string& name, const dim_group& group)
{
    if (symbol* found = c.this_module.identifiers.find_raw(name)) {
        found = found->resolve();
        bool outer_variable = found->kind == symbol_kind::variable &&
                              static_cast<variable_symbol*>(found)->scope_level < c.scope_level;
        if (!outer_variable) throw "duplicate identifier '" + found->name + "'";
    }
    if (const std::string* earlier = group.names.find(name)) throw "duplicate identifier '" + *earlier + "'";
    check_reserved_word(name);
}

void read_one_name(compiler& c, dim_group& group)
{
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    check_new_name(c, c.lex.text, group);
    group.names.add(c.lex.text);
    c.next();
}

// `name` or `(name, name, …)`.
void read_names(compiler& c, dim_group& group)
{
    if (!c.is_operator("(")) return read_one_name(c, group);
    do {
        c.next();
        read_one_name(c, group);
    } while (c.is_operator(","));
    if (!c.is_operator(")")) throw "closing brace expected";
    c.next();
}

// `lo TO hi`, or `hi` alone, whose lower bound is 0.
void read_bound_pair(compiler& c, text_stream& text)
{
    translate_expression(c, {}, text);
    if (c.is_word("TO")) {
        c.next();
        text << ", ";
        translate_expression(c, {}, text);
    } else {
        text << ", 0";
    }
}

// `(b, lo TO hi, …)`: each bound becomes a "lower, upper" pair of the
// array's constructor. `()` declares a default-constructed array.
void read_bounds(compiler& c, dim_group& group)
{
    if (!c.is_operator("(")) return;
    group.is_array = true;
    c.next();
    text_stream text;
    text << "(";
    if (!c.is_operator(")")) {
        for (int count = 1;; ++count) {
            if (count > 4) throw "too many indices";
            read_bound_pair(c, text);
            if (c.is_operator(")")) break;
            if (!c.is_operator(",")) throw "brackets mismatch";
            text << ", ";
            c.next();  // a bound must follow, also in "(1,)"
        }
    }
    text << ")";
    group.bounds = text.str();
    c.next();
}

// `AS [NEW] type`, or the type that the first name's suffix selects.
void read_type(compiler& c, dim_group& group, visibility_level visibility)
{
    if (c.is_word("AS")) {
        c.next();
        if (c.is_word("NEW")) {
            group.is_new = true;
            c.next();
        }
        group.type = parse_typename(c);
        if (group.is_new && group.type->kind != symbol_kind::class_) throw "class name expected";
    } else {
        symbol first(symbol_kind::variable, group.names.names().front(), visibility);
        group.type = c.require_type(suffix_type_name(&first));
    }
    if (group.type->visibility < visibility) throw "cannot use private type in public declaration";
}

void read_container(compiler& c, dim_group& group)
{
    if (c.is_word("COLLECTION")) {
        if (group.is_array) throw "array of collections is not allowed";
        group.container = container_kind::collection;
        c.next();
    } else if (c.is_word("DICTIONARY")) {
        if (group.is_array) throw "array of dictionaries is not allowed";
        group.container = container_kind::dictionary;
        c.next();
    }
}

// The declared type, e.g. "kln::array<int> " + " ": template heads close
// with "> ", so the name then follows two blanks.
std::string declared_type_text(const dim_group& group)
{
    return container_type_text(conv_type_text(group.type), group.is_array, group.container) + " ";
}

void declare_names(compiler& c, const dim_group& group, visibility_level visibility)
{
    const char* separator = "";
    for (const std::string& name : group.names.names()) {
        auto* variable = new variable_symbol(name, visibility, c.scope_level, group.type);
        variable->is_array = group.is_array;
        variable->container = group.container;
        c.output << separator << variable->cpp_name(false);
        if (group.bounds != "()") c.output << group.bounds;
        c.this_module.identifiers.push_back(variable);
        separator = ", ";
    }
}

// Only a single plain variable takes an initial value: `AS NEW` and "="
// share these checks (a record never meets `AS NEW`, which needs a class).
void check_initializable(const dim_group& group)
{
    if (group.names.names().size() > 1) throw "cannot initialize groups";
    if (group.type->kind == symbol_kind::record) throw "structures cannot be initialized";
    if (group.is_array) throw "arrays cannot be initialized";
    if (group.container == container_kind::collection) throw "collections cannot be initialized";
    if (group.container == container_kind::dictionary) throw "dictionaries cannot be initialized";
}

void write_new_initializer(compiler& c, const dim_group& group)
{
    check_initializable(group);
    c.output << " = " << new_object_text(group.type);
}

// `= expression`, converted to the declared type unless -c is given.
void write_value_initializer(compiler& c, const dim_group& group)
{
    check_initializable(group);
    c.next();
    if (c.run.no_convert) {
        c.output << " = ";
        translate_expression(c, {}, c.output);
        return;
    }
    c.output << " = kln::conv((" << conv_type_text(group.type) << "*)0, ";
    translate_expression(c, {}, c.output);
    c.output << ")";
}

void translate_group(compiler& c, visibility_level visibility)
{
    dim_group group;
    read_names(c, group);
    read_bounds(c, group);
    read_type(c, group, visibility);
    read_container(c, group);
    c.output << declared_type_text(group);
    declare_names(c, group, visibility);
    if (group.is_new)
        write_new_initializer(c, group);
    else if (c.is_operator("="))
        write_value_initializer(c, group);
    c.output << "; ";
}

}  // namespace

type_symbol* parse_typename(compiler& c)
{
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    std::string first = c.lex.text;
    c.next();
    if (!c.is_operator(".")) return c.require_type(first);
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    module* owner = c.find_module(first);
    if (!owner) throw "module '" + first + "'not found";
    type_symbol* type = c.require_type(c.lex.text, owner);
    c.next();
    return type;
}

void translate_dim(compiler& c, visibility_level visibility)
{
    if (c.is_word("DIM")) c.next();
    for (;;) {
        translate_group(c, visibility);
        if (!c.is_operator(",")) return;
        c.next();
    }
}

}  // namespace kiln
