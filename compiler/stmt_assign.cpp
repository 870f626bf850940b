// stmt_assign.cpp: assignments, increments, event bindings and call
// statements: every statement that does not start with a keyword.
#include "expr.h"

namespace kiln {

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
    if (!c.body.current_class) throw "must be inside of class to set event handler";
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    std::string name = c.lex.text;
    symbol* member = require_member(c.body.current_class, name);
    auto* handler = member->kind == symbol_kind::procedure ? static_cast<procedure_symbol*>(member) : nullptr;
    bool valid = handler && !handler->result_type && handler->parameters.size() == 1 &&
                 handler->parameters[0]->type->kind == symbol_kind::class_;
    if (!valid) throw "'" + name + "' is not a valid event handler";
    c.output << "this, &" << c.body.current_class->cpp_name() << "::" << handler->cpp_name(false);
    c.next();
}

// A property target is set through its setter, with "=" only.
void check_property_target(const compiler& c, const variable_symbol& property)
{
    if (!property.has_setter) throw std::string("property '" + property.name + "' is read-only");
    if (!c.is_operator("=")) throw "this operation is not supported on properties";
}

bool is_event(const type_symbol* type) { return type && equal_nocase(type->name, "EVENT"); }

// What follows the written target: the operator and the opening of the
// value's conversion, which translate_assignment_statement closes; or, for
// ++ and --, the whole step. An event is bound with .set, a property is set
// through its setter.
void write_target_tail(compiler& c, const expression& target)
{
    bool increment = c.is_operator("++") || c.is_operator("--");
    if (is_event(target.type))
        c.output << ".set";
    else if (expr::is_property(target.named))
        check_property_target(c, *static_cast<const variable_symbol*>(target.named));
    else if (!increment && !is_assignment_operator(c))
        return;  // the statement reports the missing operator
    else if (increment)
        c.output << step_by_one_text(target.type, c.is_operator("++"));
    else
        c.output << " " << c.lex.text << " ";
    if (increment) return;
    c.output << "(";
    if (!c.run.no_convert) c.output << "kln::conv((" << conv_type_text(target.type) << "*)0, ";
}

void translate_assignment_statement(compiler& c, const expression& target)
{
    write_target_tail(c, target);
    if (c.is_operator("++") || c.is_operator("--")) {
        c.output << ";";
        c.next();
        return;
    }
    if (!is_assignment_operator(c)) throw "assignment operator expected";
    c.next();
    if (is_event(target.type)) {
        translate_handler_binding(c);
    } else {
        type_symbol* value = translate_expression(c, {}, c.output).type;
        if (target.type && target.type->kind == symbol_kind::record && value != target.type)
            throw "type mismatch";
    }
    c.output << (c.run.no_convert ? " )" : " ))") << ";";
}

}  // namespace

// A statement that does not start with a keyword is an assignment when its
// first operand is a target, and otherwise a call: the expression translator
// has written the call, and stopped where the operand ended.
void translate_assignment(compiler& c)
{
    expression_request statement_target;
    statement_target.want_lvalue = true;
    expression target = translate_expression(c, statement_target, c.output);
    if (target.kind == expression::form::target)
        translate_assignment_statement(c, target);
    else
        c.output << ";";
}

}  // namespace kiln
