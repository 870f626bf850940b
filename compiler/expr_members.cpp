// expr_members.cpp: what follows a name inside an operand: the arguments
// of a procedure, member access with "." on records and objects, property
// getters, SUPER, the visibility of class members, the IS class check and
// the checks that end an operand.
#include "expr.h"

namespace kiln {

namespace {

using namespace expr;

[[noreturn]] void closed_for_descendants(const std::string& name)
{
    throw std::string("private member '" + name + "' is closed for class descendants");
}

bool is_own_member(class_symbol* cls, const std::string& name)
{
    return find_member(cls, name, false) != nullptr;
}

// A property reached through: its getter is called.
void call_getter(state& st)
{
    if (!is_property(st.current)) return;
    auto* p = static_cast<variable_symbol*>(st.current);
    if (!p->has_getter) throw std::string("property '" + p->name + "' is write-only");
    st.out << "()";
}

void translate_call(state& st, procedure_symbol* p)
{
    type_symbol* result = translate_call_args(st.c, p, st.statement_form(), st.out);
    st.current = p;
    if (!result) {
        if (st.stop_unless_target(expression::form::call)) return;
        throw "SUB calls cannot be used in expressions";
    }
    st.type = result;
}

// Code of the class hierarchy (the current class is the object's class or
// derives from it) sees protected members and its own private ones;
// other code sees public members only.
void check_visibility(const compiler& c, class_symbol* object_class, const symbol* member)
{
    class_symbol* current = c.body.current_class;
    if (is_derived_from(current, object_class)) {
        if (member->visibility == vis_private && !is_own_member(current, member->name))
            closed_for_descendants(member->name);
    } else if (member->visibility != vis_public) {
        throw std::string("class member  '" + member->name + "' is not public");
    }
}

variable_symbol* find_field(const record_symbol* r, const std::string& name)
{
    if (variable_symbol* field = r->fields.find_raw(name)) return field;
    undeclared(name);
}

// Current token: the name after ".". Writes the access operator.
symbol* look_up_member(state& st)
{
    compiler& c = st.c;
    if (!is_record(st.type) && !is_class(st.type))
        throw std::string("'" + st.type->name + "' is not an aggregate type");
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    const std::string& name = c.lex.text;
    if (is_record(st.type)) {
        st.out << ".";
        return find_field(static_cast<record_symbol*>(st.type), name);
    }
    auto* cls = static_cast<class_symbol*>(st.type);
    symbol* member = require_member(cls, name);
    check_visibility(c, cls, member);
    st.out << "->";
    return member;
}

void translate_member_chain(state& st)
{
    while (st.type && st.c.is_operator(".")) {
        st.c.next();
        call_getter(st);
        symbol* member = look_up_member(st);
        st.out << member->cpp_name(false);
        translate_reference(st, member, true);
        if (st.stopped) return;
    }
}

// "obj IS Shape" (exact class) or "obj IS [Shape]" / "obj IS (Shape)"
// (the class or a descendant).
void translate_class_check(state& st)
{
    compiler& c = st.c;
    call_getter(st);
    c.next();
    bool descendant = c.is_operator("[") || c.is_operator("(");
    if (descendant) c.next();
    type_symbol* t = parse_typename(c);
    if (descendant) {
        if (!c.is_operator("]") && !c.is_operator(")")) throw "square brace expected";
        c.next();
    }
    if (!is_class(t)) throw "class expected";
    // "class": a variable or procedure named like the class would hide it.
    st.out << (descendant ? "->__isbase" : "->__isa") << "(typeid(class " << t->cpp_name(true) << "))";
    st.current = nullptr;
    st.type = builtin_type(c, "BOOLEAN");
}

bool is_array_variable(const symbol* s)
{
    return s && s->kind == symbol_kind::variable && static_cast<const variable_symbol*>(s)->is_array;
}

bool is_container_variable(const symbol* s, container_kind wanted_container)
{
    if (!s || s->kind != symbol_kind::variable) return false;
    container_kind container = static_cast<const variable_symbol*>(s)->container;
    return container != container_kind::none &&
           (wanted_container == container_kind::none || container == wanted_container);
}

void check_end_of_operand(state& st)
{
    const request& r = st.req;
    const symbol* s = st.current;
    if (is_property(s)) {
        // A getter/setter pair has no address.
        if (r.bare_lvalue && st.stop_unless_target(expression::form::not_target)) return;
        if (!r.want_lvalue) call_getter(st);
    } else if (s && s->kind == symbol_kind::procedure && st.stop_unless_target(expression::form::call)) {
        return;
    }
    if (r.want_array && !is_array_variable(s)) throw "array expected";
    if (r.want_collection && !is_container_variable(s, r.wanted_container))
        throw container_expected(r.wanted_container);
}

// The nearest base of the current class that holds a method or property
// of this name among its own members.
symbol* find_in_bases(const compiler& c, const std::string& name, class_symbol*& owner)
{
    for (owner = c.body.current_class->base_class; owner; owner = owner->base_class) {
        symbol* member = find_member(owner, name, false);
        if (!member) continue;
        if (member->kind == symbol_kind::variable && !is_property(member))
            throw "property get or set expected";
        return member;
    }
    undeclared(name);
}

}  // namespace

namespace expr {

void translate_reference(state& st, symbol* s, bool as_member)
{
    if (s->kind == symbol_kind::procedure) return translate_call(st, static_cast<procedure_symbol*>(s));
    auto* v = static_cast<variable_symbol*>(s);
    st.current = v;
    st.type = v->type;
    st.c.next();
    translate_variable_suffix(st, v, as_member);
}

void translate_postfix(state& st)
{
    if (!st.req.want_lvalue && is_class(st.type) && st.c.is_word("IS")) translate_class_check(st);
    translate_member_chain(st);
    if (!st.stopped) check_end_of_operand(st);
}

// "SUPER.Name": the base implementation, called without virtual dispatch.
void translate_super(state& st)
{
    compiler& c = st.c;
    if (!c.body.current_class) throw "SUPER is only legal in methods";
    c.next();
    expect_operator(c, ".", "dot expected");
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    class_symbol* owner = nullptr;
    symbol* member = find_in_bases(c, c.lex.text, owner);
    if (member->visibility == vis_private) closed_for_descendants(member->name);
    st.out << owner->cpp_name(true) << "::" << member->cpp_name(false);
    st.type = owner;
    translate_reference(st, member, true);
    if (!st.stopped) translate_member_chain(st);
    if (!st.stopped) check_end_of_operand(st);
}

void check_bare_member(const compiler& c, const symbol* s)
{
    if (!s->is_member || s->visibility != vis_private || !c.body.current_class) return;
    if (!is_own_member(c.body.current_class, s->name)) closed_for_descendants(s->name);
}

}  // namespace expr

}  // namespace kiln
