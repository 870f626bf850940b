// decl_const.cpp: constant expressions evaluated while translating, and the
// CONST and ENUM statements that name their values.
//
// Values are texts: a number is its decimal text, a string the quoted C++
// literal that the lexer produced. Operators apply strictly from left to
// right (no precedence); the first operand decides whether the expression
// is a string or a number.
#include "compiler.h"
#include "module_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kiln {

namespace {

const double two_to_31 = 2147483648.0;
const double two_to_32 = 4294967296.0;
const int max_parenthesis_depth = 2000;

enum class prefix { none, plus, negate, complement };

// One operand: its text as written (strings without their quotes) and
// whether it is a string.
struct operand {
    std::string text;
    bool is_string;
};

// The expression so far.
struct accumulator {
    bool is_string = false;
    std::string text;  // string result, without quotes
    double value = 0;  // numeric result
};

std::string unquote(const std::string& literal) { return literal.substr(1, literal.size() - 2); }

// A whole-number value as a 32-bit integer, truncated toward zero. Values in
// [2^31, 2^32) wrap, so &HFFFFFFFF is -1 and every result is a valid int.
int32_t to_int32(double value)
{
    double whole = std::trunc(value);
    if (!(whole >= -two_to_31 && whole < two_to_32)) throw "integer constant out of range";
    return (int32_t)(uint32_t)(int64_t)whole;
}

// The shortest text that reads back as the same single-precision value.
std::string exact_single_text(float single)
{
    char buffer[32];
    for (int digits = 1;; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, (double)single);
        if ((float)number_of(buffer) == single || digits == 9) return buffer;
    }
}

// Whole numbers in decimal; others in single precision "%f" (six decimals,
// 1 / 3 is 0.333333), unless the value is below the sixth decimal, where
// "%f" would show zero or a digit of another magnitude (0.0000001).
std::string number_text(double value)
{
    // Infinities count as whole and NaN (inf - inf) joins them, so both fail the range check.
    if (value == std::trunc(value) || std::isnan(value)) return int_to_str(to_int32(value));
    float single = (float)value;
    if (std::fabs(single) < 0.000001f) return exact_single_text(single);
    return float_to_str(single);
}

prefix read_prefix(compiler& c)
{
    prefix p = prefix::none;
    if (c.is_operator("+"))
        p = prefix::plus;
    else if (c.is_operator("-"))
        p = prefix::negate;
    else if (c.is_word("NOT"))
        p = prefix::complement;
    if (p != prefix::none) c.next();
    return p;
}

// `Name` or `Module.Name`, which must be a constant.
operand read_named_constant(compiler& c)
{
    std::string name = c.lex.text;
    c.next();
    symbol* found;
    if (c.is_operator(".")) {
        c.next();
        if (c.lex.kind != token_kind::identifier) throw "identifier expected";
        module* owner = c.find_module(name);
        found = owner ? c.find_identifier(c.lex.text, owner) : nullptr;
        if (!found) throw "undeclared identifier '" + name + "'";
        c.next();
    } else {
        found = c.find_identifier(name);
        if (!found) throw "undeclared identifier '" + name + "'";
    }
    if (found->kind != symbol_kind::constant) throw "constant expected";
    auto* constant = static_cast<constant_symbol*>(found);
    if (constant->is_string) return {unquote(constant->value), true};
    return {constant->value, false};
}

operand read_parenthesised(compiler& c)
{
    depth_guard guard(c.constant_parenthesis_depth, max_parenthesis_depth, "expression too deeply nested");
    c.next();
    bool is_string;
    std::string text = eval_constexpr(c, is_string);
    if (!c.is_operator(")")) throw "closing brace expected";
    c.next();
    if (is_string) return {unquote(text), true};
    return {text, false};
}

operand read_primary(compiler& c)
{
    switch (c.lex.kind) {
        case token_kind::number: {
            operand result{c.lex.text, false};
            c.next();
            return result;
        }
        case token_kind::string_or_directive: {
            if (c.lex.text[0] != '"') throw "constant expected";  // a '#' directive
            operand result{unquote(c.lex.text), true};
            c.next();
            return result;
        }
        case token_kind::identifier:
            return read_named_constant(c);
        case token_kind::operator_token:
            if (c.lex.text == "(") return read_parenthesised(c);
            throw "constant expression expected";
        default:
            throw "constant expected";
    }
}

double value_of(const operand& o, prefix p)
{
    double value = number_of(o.text);
    if (p == prefix::negate) return -value;
    if (p == prefix::complement) return ~to_int32(value);
    return value;
}

// Combines the accumulated result with the next operand; `op` is "" for the
// first operand.
void combine(accumulator& result, const std::string& op, const operand& o, prefix p)
{
    double value = value_of(o, p);
    if (op.empty()) {
        result.is_string = o.is_string;
        if (o.is_string)
            result.text = o.text;
        else
            result.value = value;
    } else if (op == "+") {
        if (!result.is_string)
            result.value += value;
        else if (o.is_string || p == prefix::none)
            result.text += o.text;
        else
            result.text += number_text(value);  // "x" + -5 gives "x-5"
    } else if (result.is_string) {
        if (op == "-") throw "cannot subtract strings";
        if (op == "*") throw "cannot multiply strings";
        if (op == "/") throw "cannot divide strings";
        throw "integer constant expected";  // AND, OR, XOR
    } else if (op == "-") {
        result.value -= value;
    } else if (op == "*") {
        result.value *= value;
    } else if (op == "/") {
        if (value == 0) throw "division by zero";
        result.value /= value;
    } else {
        int32_t left = to_int32(result.value), right = to_int32(value);
        if (op == "AND") result.value = left & right;
        if (op == "OR") result.value = left | right;
        if (op == "XOR") result.value = left ^ right;
    }
}

// The binary operator at the current token ("AND" … in upper case), or ""
// when the expression ends.
std::string binary_operator(const compiler& c)
{
    for (const char* op : {"+", "-", "*", "/"})
        if (c.is_operator(op)) return op;
    for (const char* op : {"AND", "OR", "XOR"})
        if (c.is_word(op)) return op;
    return "";
}

}  // namespace

std::string eval_constexpr(compiler& c, bool& is_string)
{
    accumulator result;
    std::string op;
    for (;;) {
        prefix p = read_prefix(c);
        operand o = read_primary(c);
        combine(result, op, o, p);
        // The module file keeps the value with its quotes; doubling a text
        // line by line would otherwise grow it without end.
        if (result.is_string && result.text.size() + 2 > max_module_string) throw "string constant too long";
        op = binary_operator(c);
        if (op.empty()) break;
        c.next();
    }
    is_string = result.is_string;
    return is_string ? "\"" + result.text + "\"" : number_text(result.value);
}

void translate_const(compiler& c, visibility_level visibility)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    std::string name = c.lex.text;
    check_reserved_word(name);
    c.next();
    if (c.is_word("AS")) {
        c.next();
        parse_typename(c);  // must exist; the value alone decides the kind
    }
    if (!c.is_operator("=")) throw "assignment expected";
    c.next();
    bool is_string;
    std::string value = eval_constexpr(c, is_string);
    // A name that is already taken keeps its first meaning, silently.
    if (!c.this_module.identifiers.find_raw(name)) {
        auto* constant = new constant_symbol(name, visibility);
        constant->value = value;
        constant->is_string = is_string;
        c.this_module.identifiers.push_back(constant);
    }
    c.output << "// const " << name << " = " << value;
}

namespace {

void check_not_at_end(const compiler& c)
{
    if (c.lex.at_eof()) throw "unexpected end of file";
}

// Steps over blank lines between members; the block must end with END ENUM.
void skip_blank_lines(compiler& c)
{
    while (c.at_end_of_statement()) {
        check_not_at_end(c);
        c.next();
    }
}

// `Name [= value]`: an explicit value restarts the count.
void translate_enum_member(compiler& c, visibility_level visibility, int32_t& counter)
{
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    auto* member = new constant_symbol(c.lex.text, visibility);
    check_reserved_word(member->name);
    c.next();
    if (c.is_operator("=")) {
        c.next();
        bool is_string;
        std::string value = eval_constexpr(c, is_string);
        if (is_string) throw "integer constant expected";
        counter = to_int32(number_of(value));
    } else {
        counter = (int32_t)((uint32_t)counter + 1);
    }
    member->value = int_to_str(counter);
    c.this_module.identifiers.push_back(member);
}

}  // namespace

void translate_enum(compiler& c, visibility_level visibility)
{
    c.next();
    if (c.lex.kind == token_kind::identifier) {
        check_reserved_word(c.lex.text);
        c.this_module.types.push_back(new alias_symbol(c.lex.text, visibility, c.require_type("LONG"), true));
        c.next();
    }
    if (!c.at_end_of_statement()) throw "newline expected";
    c.next();
    check_not_at_end(c);  // the first member follows on the next line
    int32_t counter = -1;
    while (!c.is_word("END")) {
        translate_enum_member(c, visibility, counter);
        if (!c.at_end_of_statement() && !c.is_operator(",")) throw "comma or newline expected";
        c.next();
        skip_blank_lines(c);
    }
    c.next();
    if (!c.is_word("ENUM")) throw "ENUM expected";
    c.next();
}

}  // namespace kiln
