// decl_type.cpp: TYPE … END TYPE, a record type written as a C++ struct.
//
// Member sizes (static dimensions, STRING * n) are constant expressions
// evaluated here, so that the struct has the same layout in this module
// and in every module that imports it.
#include "compiler.h"

#include <cmath>
#include <cstdlib>

namespace kiln {

namespace {

const int max_member_dimensions = 5;

// Evaluates a constant expression that must be a whole number in
// [lowest, INT32_MAX]; a fraction is truncated toward zero.
int read_size(compiler& c, int lowest, const char* out_of_range)
{
    bool is_string;
    std::string value = eval_constexpr(c, is_string);
    if (is_string) throw "integer constant expected";
    double size = std::trunc(number_of(value));
    if (!(size >= lowest && size <= INT32_MAX)) throw out_of_range;
    return (int)size;
}

// `(d1, d2, …)` after a member name: each upper bound d gives d + 1 elements.
void read_member_dimensions(compiler& c, variable_symbol& member)
{
    if (!c.is_operator("(")) return;
    for (;;) {
        if (member.dimension_count == max_member_dimensions) throw "too many dimensions";
        c.next();
        int upper = read_size(c, 0, "invalid array dimension");
        if (upper == INT32_MAX) throw "invalid array dimension";
        member.dimensions[member.dimension_count++] = upper + 1;
        if (c.is_operator(")")) break;
        if (!c.is_operator(",")) throw "comma or closing brace expected";
    }
    c.next();
}

type_symbol* read_member_type(compiler& c, const variable_symbol& member)
{
    if (!c.is_word("AS")) return c.require_type(suffix_type_name(&member));
    c.next();
    return parse_typename(c);
}

// `STRING * n` / `APISTRING * n`; a "*" after any other type stays and
// fails as an unexpected token.
void read_fixed_length(compiler& c, variable_symbol& member)
{
    if (!is_text_type(member.type) || !c.is_operator("*")) return;
    c.next();
    member.fixed_length = read_size(c, 1, "invalid string length");
}

void write_member_line(compiler& c, const variable_symbol& member)
{
    c.output << record_field_type_text(member) << " " << member.cpp_name(false);
    for (int i = 0; i < member.dimension_count; ++i) c.output << "[" << member.dimensions[i] << "]";
    c.output << ";" << c.indent_text();
}

// One member declaration; the current token is its name.
void translate_member(compiler& c, record_symbol& record)
{
    if (const variable_symbol* existing = record.fields.find_raw(c.lex.text))
        throw "duplicate identifier '" + existing->cpp_name(false) + "'";
    auto* member = new variable_symbol(c.lex.text, vis_public, 0, nullptr);
    member->is_member = true;
    c.next();
    read_member_dimensions(c, *member);
    member->type = read_member_type(c, *member);
    // A record holds its members by value, so it cannot hold itself.
    if (member->type == &record) throw "recursive type";
    if (member->type->visibility < record.visibility) throw "cannot use private type in public declaration";
    read_fixed_length(c, *member);
    record.fields.push_back(member);
    write_member_line(c, *member);
}

// Steps to the next member name, over blank lines; members on one line are
// separated by commas.
void next_member_token(compiler& c)
{
    do {
        c.next();
        if (c.lex.at_eof()) throw "unexpected end of file";
    } while (c.at_end_of_statement());
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
}

record_symbol* declare_record(compiler& c, visibility_level visibility)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    std::string name = c.lex.text;
    if (symbol* existing = c.this_module.types.find_raw(name))
        throw "duplicate identifier '" + existing->resolve()->cpp_name(true) + "'";
    c.check_new_type_name(name);
    auto* record = new record_symbol(name, visibility);
    c.this_module.types.push_back(record);
    return record;
}

}  // namespace

void translate_type(compiler& c, visibility_level visibility)
{
    record_symbol* record = declare_record(c, visibility);
    c.output << "struct " << record->cpp_name(false) << c.indent_text() << "{";
    ++c.indent;
    c.output << c.indent_text();
    c.next();
    c.expect_end_of_statement();
    for (next_member_token(c); !c.is_word("END"); next_member_token(c)) {
        translate_member(c, *record);
        if (!c.at_end_of_statement() && !c.is_operator(",")) throw "comma or end of statement expected";
    }
    c.next();
    if (!c.is_word("TYPE")) throw "TYPE expected";
    c.next();
    --c.indent;
    c.output << c.indent_text() << "};";
}

}  // namespace kiln
