// expr_expression.cpp: the expression loop. Operands and operators are
// written in source order (the C++ compiler's precedence groups them), and
// names are resolved (with automatic VARIANT declaration for a first
// assignment). The result tells the caller what the expression was.
#include "expr.h"

#include <algorithm>

namespace kiln {

namespace expr {

void expect_operator(const compiler& c, const char* op, const char* message)
{
    if (!c.is_operator(op)) throw message;
}

type_symbol* builtin_type(compiler& c, const char* name) { return c.require_type(name); }

bool is_record(const type_symbol* t) { return t && t->kind == symbol_kind::record; }

bool is_property(const symbol* s)
{
    if (!s || s->kind != symbol_kind::variable) return false;
    auto* v = static_cast<const variable_symbol*>(s);
    return v->has_getter || v->has_setter;
}

const char* container_expected(container_kind wanted_container)
{
    return wanted_container == container_kind::dictionary ? "dictionary expected" : "collection expected";
}

void undeclared(const std::string& name) { throw std::string("undeclared identifier '" + name + "'"); }

type_symbol* translate_value(compiler& c, text_stream& out) { return translate_expression(c, {}, out).type; }

}  // namespace expr

namespace {

using namespace expr;

// ---------------------------------------------------------------------------
// Operand forms other than names

void translate_parenthesised(state& st)
{
    compiler& c = st.c;
    st.out << "( ";
    c.next();
    st.type = translate_value(c, st.out);
    expect_operator(c, ")", "brackets mismatch");
    st.out << " )";
    c.next();
}

void translate_literal(state& st)
{
    compiler& c = st.c;
    bool is_number = c.lex.kind == token_kind::number;
    if (is_number)
        st.out << c.lex.text;
    else
        st.out << "string(" << c.lex.text << ")";
    st.type = builtin_type(c, is_number ? "DOUBLE" : "STRING");
    c.next();
}

void translate_new(state& st)
{
    compiler& c = st.c;
    c.next();
    type_symbol* t = parse_typename(c);
    if (!is_class(t)) throw "class expected";
    st.out << new_object_text(t);
    st.type = t;
}

// Inside "SIZEOF(": a name that is a type (also Module.Type) and no
// identifier takes the type form; anything else is an expression.
void translate_sizeof_contents(state& st)
{
    compiler& c = st.c;
    const std::string name = c.lex.text;
    if (c.lex.kind != token_kind::identifier || c.find_identifier(name)) {
        translate_value(c, st.out);
    } else if (c.find_type(name)) {
        st.out << value_type_text(parse_typename(c));
    } else if (module* m = c.find_module(name)) {
        c.next();
        expect_operator(c, ".", "dot expected");
        c.next();
        type_symbol* t = c.lex.kind == token_kind::identifier ? c.find_type(c.lex.text, m) : nullptr;
        if (t) {
            st.out << value_type_text(t);
            c.next();
            return;
        }
        request inner;
        inner.first_module = m;
        translate_expression(c, inner, st.out);
    } else {
        translate_value(c, st.out);  // reports the unknown name
    }
}

void translate_sizeof(state& st)
{
    compiler& c = st.c;
    c.next();
    st.out << "sizeof(";
    if (c.is_operator("(")) {
        c.next();
        translate_sizeof_contents(st);
        expect_operator(c, ")", "closing brace expected");
        c.next();
    } else {
        st.out << value_type_text(parse_typename(c));
    }
    st.out << ")";
    st.type = builtin_type(c, "DWORD");
}

// A procedure of this module that is no method.
procedure_symbol* global_procedure(compiler& c)
{
    symbol* s =
        c.lex.kind == token_kind::identifier ? c.find_identifier(c.lex.text, &c.this_module) : nullptr;
    auto* p = s && s->kind == symbol_kind::procedure ? static_cast<procedure_symbol*>(s) : nullptr;
    if (!p || p->is_method) throw "global function expected";
    return p;
}

void translate_addressof(state& st)
{
    compiler& c = st.c;
    c.next();
    st.out << "((unsigned long)" << global_procedure(c)->cpp_name(true) << ")";
    c.next();
    st.type = builtin_type(c, "DWORD");
}

// ---------------------------------------------------------------------------
// Names

// Current token: a member name of module m (its "m." already read).
symbol* module_member(compiler& c, module* m)
{
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    return c.require_identifier(c.lex.text, m);
}

// The symbol the current name stands for: visible in scope, or a member
// of a named module. Null when the name is unknown.
symbol* find_operand_symbol(state& st)
{
    compiler& c = st.c;
    if (module* m = st.req.first_module) {
        st.req.first_module = nullptr;
        return module_member(c, m);
    }
    if (symbol* s = c.find_identifier(c.lex.text)) return s;
    module* m = c.find_module(c.lex.text);
    if (!m) return nullptr;
    c.next();
    expect_operator(c, ".", "dot expected");
    c.next();
    return module_member(c, m);
}

// An unknown name is declared as a VARIANT only where it is being
// assigned for the first time: a statement target followed by "=".
void declare_automatically(state& st)
{
    compiler& c = st.c;
    const std::string name = c.lex.text;
    if (!st.statement_form() || c.explicit_option) undeclared(name);
    c.next();
    if (!c.is_operator("=")) undeclared(name);
    auto* v = new variable_symbol(name, vis_local, c.scope_level, builtin_type(c, "VARIANT"));
    c.this_module.identifiers.push_back(v);
    st.out << "variant " << v->cpp_name(true);
    st.current = v;
    st.type = v->type;
}

void translate_constant(state& st, constant_symbol* k, bool after_minus)
{
    if (st.req.want_lvalue) {
        if (st.req.bare_lvalue) return (void)st.stop_unless_target(expression::form::not_target);
        throw "not an lvalue";
    }
    const std::string& value = k->value;
    if (!value.empty() && value[0] == '"')
        st.out << "string(" << value << ")";
    else if (after_minus && !value.empty() && value[0] == '-')
        st.out << "(" << value << ")";  // not "--5"
    else
        st.out << value;
    st.current = k;
    st.type = builtin_type(st.c, "VARIANT");
    st.c.next();
}

void translate_identifier(state& st, bool after_minus)
{
    symbol* s = find_operand_symbol(st);
    if (!s) {
        if (st.c.find_type(st.c.lex.text)) throw "variable or function call expected";
        declare_automatically(st);
    } else if (s->kind == symbol_kind::constant) {
        translate_constant(st, static_cast<constant_symbol*>(s), after_minus);
    } else if (s->kind == symbol_kind::variable || s->kind == symbol_kind::procedure) {
        check_bare_member(st.c, s);
        st.out << s->cpp_name(true);
        translate_reference(st, s, s->is_member);
    } else {
        throw "variable or function call expected";
    }
    if (!st.stopped) translate_postfix(st);
}

// Literals, parentheses, NEW, SIZEOF, ADDRESSOF and the bound functions are
// never assignable: where a target is asked for, the translation stops at them.
void translate_operand(state& st, bool after_minus)
{
    compiler& c = st.c;
    const auto not_target = expression::form::not_target;
    if (st.req.first_module) return translate_identifier(st, after_minus);
    if (c.is_operator("(")) {
        if (!st.stop_unless_target(not_target)) translate_parenthesised(st);
        return;
    }
    if (c.lex.kind == token_kind::number ||
        (c.lex.kind == token_kind::string_or_directive && c.lex.text[0] == '"')) {
        if (!st.stop_unless_target(not_target)) translate_literal(st);
        return;
    }
    // NOT here is a second prefix: one operand takes one prefix at most.
    if (c.lex.kind != token_kind::identifier || c.is_word("NOT")) throw "expression expected";
    bool value_only = c.is_word("NEW") || c.is_word("LBOUND") || c.is_word("UBOUND") || c.is_word("SIZEOF") ||
                      c.is_word("ADDRESSOF");
    if (value_only && st.stop_unless_target(not_target)) return;
    if (c.is_word("NEW"))
        translate_new(st);
    else if (c.is_word("LBOUND") || c.is_word("UBOUND"))
        translate_bound_function(st, c.is_word("UBOUND"));
    else if (c.is_word("SIZEOF"))
        translate_sizeof(st);
    else if (c.is_word("ADDRESSOF"))
        translate_addressof(st);
    else if (c.is_word("SUPER"))
        translate_super(st);
    else
        translate_identifier(st, after_minus);
}

// ---------------------------------------------------------------------------
// Operators

// At most one prefix operator per operand; returns its C++ text or "".
std::string read_prefix(compiler& c)
{
    if (c.is_operator("-") || c.is_operator("+")) {
        std::string text = c.lex.text;
        c.next();
        return text;
    }
    if (c.is_word("NOT")) {
        c.next();
        return "!";
    }
    if (!c.is_operator("[")) return "";
    c.next();
    if (c.lex.kind != token_kind::identifier || c.lex.text != "NOT") throw "NOT expected";
    c.next();
    expect_operator(c, "]", "closing brace expected");
    c.next();
    return "~";
}

void translate_prefixed_operand(state& st)
{
    st.current = nullptr;
    // After "Module." only the member's name may follow.
    std::string prefix = st.req.first_module ? "" : read_prefix(st.c);
    if (!prefix.empty()) {
        if (st.stop_unless_target(expression::form::not_target)) return;
        st.composite = true;
        st.out << prefix;
    }
    translate_operand(st, prefix == "-");
}

// Records, whole arrays and whole containers stand alone: after one
// operand the expression ends, and they may not be part of a larger one.
// A whole array or container is always named: a literal, NEW, SIZEOF or
// a parenthesised expression leaves no current symbol.
bool gate_ends_expression(const state& st)
{
    if (is_record(st.type)) {
        if (st.composite) throw "structures cannot be used in expressions";
        return true;
    }
    bool not_whole = st.composite || !st.current;
    if (st.req.want_array) {
        if (not_whole) throw "array expected";
        return true;
    }
    if (st.req.want_collection) {
        if (not_whole) throw container_expected(st.req.wanted_container);
        return true;
    }
    return false;
}

struct operator_spelling {
    const char* source;
    const char* cpp;
    cpp_level level;  // C++ binding level
};

const operator_spelling symbol_operators[] = {
    {"+", " +", cpp_level::additive},       {"-", " -", cpp_level::additive},
    {"*", " *", cpp_level::multiplicative}, {"/", " /", cpp_level::multiplicative},
    {">", " >", cpp_level::relational},     {"<", " <", cpp_level::relational},
    {">=", " >=", cpp_level::relational},   {"<=", " <=", cpp_level::relational},
    {"<>", " !=", cpp_level::equality},     {"=", " ==", cpp_level::equality},
};

const operator_spelling word_operators[] = {
    {"MOD", " %", cpp_level::multiplicative},
    {"AND", " &&", cpp_level::logical_and},
    {"XOR", " ^", cpp_level::bit_xor},
    {"OR", " ||", cpp_level::logical_or},
};

const operator_spelling bitwise_operators[] = {
    {"AND", " &", cpp_level::bit_and},
    {"OR", " |", cpp_level::bit_or},
};

// A one-token binary operator at the current token, or null. "=" ends an
// assignment target instead.
const operator_spelling* simple_operator(const state& st)
{
    if (st.c.lex.kind == token_kind::operator_token) {
        for (const auto& op : symbol_operators) {
            if (!st.c.is_operator(op.source)) continue;
            bool ends_target = st.req.want_lvalue && std::strcmp(op.source, "=") == 0;
            return ends_target ? nullptr : &op;
        }
    } else if (st.c.lex.kind == token_kind::identifier) {
        for (const auto& op : word_operators)
            if (st.c.is_word(op.source)) return &op;
    }
    return nullptr;
}

// "[AND]" or "[OR]"; leaves the "]" as the current token.
const operator_spelling* read_bitwise_operator(compiler& c)
{
    c.next();
    const operator_spelling* found = nullptr;
    for (const auto& op : bitwise_operators)
        if (c.is_word(op.source)) found = &op;
    if (!found) throw "AND or OR expected";
    c.next();
    expect_operator(c, "]", "closing brace expected");
    return found;
}

bool translate_binary_operator(state& st)
{
    compiler& c = st.c;
    const operator_spelling* op = simple_operator(st);
    if (!op && c.is_operator("[")) op = read_bitwise_operator(c);
    if (!op) return false;
    st.out << op->cpp;
    st.loosest = std::max(st.loosest, op->level);
    if (st.stop_unless_target(expression::form::not_target)) return false;
    c.next();
    return true;
}

// Parentheses, indices and arguments recurse; a depth limit keeps a
// pathological source from exhausting the stack.
const int max_nesting = 2000;

// What the expression was. A target was asked for: the expression ended at
// its one operand, which is one, or stopped at an operand that is none.
expression::form result_form(const state& st)
{
    if (st.stopped) return st.stopped_as;
    return st.req.want_lvalue ? expression::form::target : expression::form::value;
}

}  // namespace

expression translate_expression(compiler& c, const expression_request& request, text_stream& out)
{
    depth_guard guard(c.expression_depth, max_nesting, "expression too deeply nested");
    expr::state st{c, out, request};
    for (bool first = true;; first = false) {
        if (!first) out << ' ';
        translate_prefixed_operand(st);
        if (st.stopped || gate_ends_expression(st) || !translate_binary_operator(st)) break;
    }
    expression result;
    result.kind = result_form(st);
    result.type = st.type;
    result.named = st.current;
    result.loosest = st.loosest;
    return result;
}

void write_value_beside(compiler& c, const std::string& text, const expression& value, cpp_level beside)
{
    if (value.loosest >= beside)
        c.output << "( " << text << " )";
    else
        c.output << text;
}

const char* step_by_one_text(const type_symbol* t, bool up)
{
    if (t && equal_nocase(t->name, "BOOLEAN")) return up ? " += 1" : " -= 1";
    return up ? "++" : "--";
}

}  // namespace kiln
