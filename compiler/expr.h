// expr.h: the state shared by the four parts of the expression translator
// (expr_expression.cpp, expr_members.cpp, expr_containers.cpp,
// expr_call_args.cpp). Private to those files.
#pragma once

#include "kln.h"

namespace expr {

// What the caller asks of one expression.
struct request {
    bool want_lvalue = false;      // one assignable operand
    bool bare_lvalue = false;      // ... and nothing written after it
    bool want_array = false;       // one operand that is a whole dynamic array
    bool want_collection = false;  // one operand that is a whole container
    int wanted_container = no_container;   // with want_collection: only this kind (0 = either)
    module* first_module = nullptr;        // the first operand names a member of this module,
                                           // whose "Module." has already been read
};

// The running state of one expression translation.
struct state {
    compiler& c;
    std::ostream& out;
    request req;
    symbol* current = nullptr;     // what the operand names so far; null for a computed value
    type_symbol* type = nullptr;   // the operand's type so far
    bool composite = false;        // prefixed, container element or method result, indexed array
    int loosest = compiler::no_operator;   // the loosest binary operator written at this level

    // The one call whose arguments may follow without parentheses: the
    // statement target's own operand.
    bool statement_form() const { return req.want_lvalue && !req.bare_lvalue; }
};

// The full translator behind compiler::translate_expression; `loosest`, when
// given, receives the level of the loosest operator outside parentheses.
type_symbol* translate(compiler& c, const request& req, std::ostream& out, int* loosest = nullptr);
// A nested value: an index, key, argument or bound.
type_symbol* translate_value(compiler& c, std::ostream& out);

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
// The C++ type a conversion head names: "kln::ref<class X> " for a class.
std::string conv_type_text(const type_symbol* t);
// "collection expected" or "dictionary expected".
const char* container_expected(int wanted_container);
// An assignable operand was requested and this one is not: the signal that
// tells a call statement from an assignment.
[[noreturn]] void raise_not_lvalue();
// "undeclared identifier '<name>'".
[[noreturn]] void undeclared(const std::string& name);

}   // namespace expr
