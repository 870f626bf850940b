// stmt_assign.cpp: assignments, increments, event bindings and call
// statements: every statement that does not start with a keyword.
#include "kln.h"

namespace {

const char* const assignment_operators[] = {"=", "+=", "-=", "*=", "/="};

bool is_assignment_operator(const compiler& c)
{
    for (const char* op : assignment_operators)
        if (c.is_operator(op)) return true;
    return false;
}

// `obj.Clicked = OnClick` inside a class: binds the current object's
// method OnClick, a SUB taking one object, to the event.
void translate_handler_binding(compiler& c)
{
    if (!c.current_class) throw "must be inside of class to set event handler";
    if (c.lex.kind != identifier) throw "identifier expected";
    std::string name = c.lex.text;
    symbol* member = require_member(c.current_class, name);
    auto* handler = member->kind == procedure_kind ? static_cast<procedure_symbol*>(member) : nullptr;
    bool valid = handler && !handler->result_type && handler->parameters.size() == 1 &&
                 handler->parameters[0]->type->kind == class_kind;
    if (!valid) throw "'" + name + "' is not a valid event handler";
    c.output << "this, &" << c.current_class->cpp_name() << "::" << handler->cpp_name(false);
    c.next();
}

void translate_assignment_statement(compiler& c)
{
    type_symbol* target = c.translate_expression_to_output(true);
    if (c.is_operator("++") || c.is_operator("--")) {
        c.output << ";";
        c.next();
        return;
    }
    if (!is_assignment_operator(c)) throw "assignment operator expected";
    c.next();
    if (target && equal_nocase(target->name, "EVENT")) {
        translate_handler_binding(c);
    } else {
        type_symbol* value = c.translate_expression_to_output();
        if (target && target->kind == record_kind && value != target) throw "type mismatch";
    }
    c.output << (no_convert ? " )" : " ))") << ";";
}

}  // namespace

// A call statement is told from an assignment by the not-assignable signal:
// the expression translator writes the call, then raises it.
void compiler::translate_assignment()
{
    try {
        translate_assignment_statement(*this);
    } catch (const not_lvalue&) {
        output << ";";
    }
}
