// expr.h: the state shared by the four parts of the expression translator
// (expr_expression.cpp, expr_members.cpp, expr_containers.cpp,
// expr_call_args.cpp), and its helpers that the statements writing around
// an expression use too.
#pragma once

#include "compiler.h"

namespace kiln {

namespace expr {

using request = expression_request;

// The running state of one expression translation.
struct state {
    compiler& c;
    text_stream& out;
    request req;
    symbol* current = nullptr;            // what the operand names so far; null for a computed value
    type_symbol* type = nullptr;          // the operand's type so far
    bool composite = false;               // prefixed, container element or method result, indexed array
    cpp_level loosest = cpp_level::none;  // the loosest binary operator written at this level
    // Set when a target was asked for and the operand is none: the
    // translation stops where it met it, and the caller decides.
    bool stopped = false;
    expression::form stopped_as = expression::form::not_target;

    // The one call whose arguments may follow without parentheses: the
    // statement target's own operand.
    bool statement_form() const { return req.want_lvalue && !req.bare_lvalue; }
    // Ends the translation of a requested target at a call or another
    // operand that is none. Returns true when that happened.
    bool stop_unless_target(expression::form as)
    {
        if (!req.want_lvalue) return false;
        stopped = true;
        stopped_as = as;
        return true;
    }
};

// A nested value: an index, key, argument or bound.
type_symbol* translate_value(compiler& c, text_stream& out);

// --- expr_members.cpp
// Continues after a name has been written: the argument list of a procedure,
// or the indexing / container access of a variable. `as_member` marks a
// class or record member (reached by "." or SUPER, or by its bare name).
void translate_reference(state& st, symbol* s, bool as_member);
// The class check, the "." chain and the end-of-operand checks after an
// identifier's own part.
void translate_postfix(state& st);
// Current token SUPER.
void translate_super(state& st);
// A private base-class member reached by its bare name inside a method.
void check_bare_member(const compiler& c, const symbol* s);

// --- expr_containers.cpp
// Indexing or container access after the name of variable v.
void translate_variable_suffix(state& st, variable_symbol* v, bool as_member);
// Current token LBOUND or UBOUND.
void translate_bound_function(state& st, bool upper);

// --- small shared helpers (expr_expression.cpp)
// Throws `message` unless the current token is the operator `op`.
void expect_operator(const compiler& c, const char* op, const char* message);
type_symbol* builtin_type(compiler& c, const char* name);
bool is_record(const type_symbol* t);
bool is_property(const symbol* s);
// "collection expected" or "dictionary expected".
const char* container_expected(container_kind wanted_container);
// "undeclared identifier '<name>'".
[[noreturn]] void undeclared(const std::string& name);

}  // namespace expr

}  // namespace kiln
