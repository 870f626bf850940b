// PROPERTY members of a class and their GET and SET bodies.
//
// A property is a data member read through a virtual getter and written
// through a virtual setter. The member line declares the accessors inside
// the class; `PROPERTY GET C.N` and `PROPERTY SET C.N` at module level
// define them. A derived class redeclares an inherited property by its bare
// name, and must then define both accessors again, since C++ needs the
// definitions of the virtuals it declares.
#include "compiler.h"

namespace kiln {

namespace {

bool is_property(const variable_symbol* member) { return member->has_getter || member->has_setter; }

void emit_accessor_declarations(compiler& c, const variable_symbol* property)
{
    const std::string t = conv_type_text(property->type);
    const std::string n = property->cpp_name(false);
    if (property->has_getter) c.output << "\tvirtual " << t << " " << n << "();" << c.indent_text();
    if (property->has_setter) c.output << "\tvirtual void " << n << "(" << t << ");" << c.indent_text();
}

bool is_own_member(const class_symbol* cls, const variable_symbol* member)
{
    return cls->data_members.find_raw(member->name) == member;
}

// An inherited property that this class redeclares; null when the name is
// new. Any other member of that name is a duplicate.
variable_symbol* find_redeclared_property(class_symbol* cls, const std::string& name)
{
    symbol* found = find_member(cls, name, true);
    if (!found) return nullptr;
    auto* member = dynamic_cast<variable_symbol*>(found);
    if (!member || !is_property(member) || is_own_member(cls, member)) throw "duplicate identifier " + name;
    return member;
}

// [AS type] [READONLY | WRITEONLY] of a new property.
variable_symbol* read_new_property(compiler& c, class_symbol* cls, const std::string& name,
                                   visibility_level visibility)
{
    type_symbol* type;
    if (c.is_word("AS")) {
        c.next();
        type = parse_typename(c);
    } else {
        type = c.require_type("VARIANT");
    }
    if (type->visibility < cls->visibility) throw "cannot use private type in public declaration";
    auto* property = new variable_symbol(name, visibility, c.scope_level, type);
    property->is_member = true;
    property->has_getter = true;
    property->has_setter = true;
    if (c.is_word("READONLY")) {
        property->has_setter = false;
        c.next();
    } else if (c.is_word("WRITEONLY")) {
        property->has_getter = false;
        c.next();
    }
    return property;
}

class_symbol* read_own_class(compiler& c)
{
    symbol* found = c.lex.kind == token_kind::identifier ? c.this_module.types.find_raw(c.lex.text) : nullptr;
    auto* cls = found ? dynamic_cast<class_symbol*>(found->resolve()) : nullptr;
    if (!cls) throw "class name expected";
    return cls;
}

variable_symbol* read_own_property(compiler& c, class_symbol* cls)
{
    variable_symbol* member =
        c.lex.kind == token_kind::identifier ? cls->data_members.find_raw(c.lex.text) : nullptr;
    if (!member || !is_property(member)) throw "property name expected";
    return member;
}

void add_local(compiler& c, const std::string& name, type_symbol* type, int scope_level)
{
    c.this_module.identifiers.push_back(new variable_symbol(name, vis_local, scope_level, type));
}

void expect_end_words(compiler& c, bool is_get)
{
    if (!c.is_word("PROPERTY")) throw "PROPERTY expected";
    c.next();
    if (!c.is_word(is_get ? "GET" : "SET")) throw is_get ? "GET expected" : "SET expected";
    c.next();
}

// What a body's head line names: `PROPERTY (GET | SET) Class.Name`.
struct body_head {
    bool is_get;
    class_symbol* cls;
    variable_symbol* property;
};

body_head read_body_head(compiler& c)
{
    body_head head;
    c.next();
    head.is_get = c.is_word("GET");
    if (!head.is_get && !c.is_word("SET")) throw "GET or SET expected";
    c.next();
    head.cls = read_own_class(c);
    c.body.current_class = head.cls;
    c.next();
    if (!c.is_operator(".")) throw "dot expected";
    c.next();
    head.property = read_own_property(c, head.cls);
    if (!head.is_get && !head.property->has_setter) throw "property is read-only";
    if (head.is_get && !head.property->has_getter) throw "property is write-only";
    c.next();
    if (c.lex.kind != token_kind::end_of_statement) throw "newline expected";
    return head;
}

// The heading, the scopes and the locals: in a setter the property's name
// is the new value, in a getter the value to return.
void open_body(compiler& c, const body_head& head)
{
    const std::string t = conv_type_text(head.property->type);
    const std::string n = head.property->cpp_name(false);
    begin_body(c, head.is_get ? body_kind::property_get : body_kind::property_set, n);
    c.push_scope();
    // The setter's value parameter belongs to the body's outermost block.
    if (!head.is_get) add_local(c, head.property->name, head.property->type, c.scope_level + 1);
    c.output << (head.is_get ? t : std::string("void")) << " " << head.cls->cpp_name() << "::" << n << "(";
    if (!head.is_get) c.output << t << " " << n;
    c.output << ")" << c.indent_text() << "{";
    ++c.indent;
    if (head.is_get) c.output << c.indent_text() << t << " " << n << ";";
    add_class_members_to_scope(c, head.cls, head.property);
    c.push_scope();
    add_local(c, "me", head.cls, c.scope_level);
    c.output << c.indent_text() << me_declaration_text(head.cls);
    if (head.is_get) add_local(c, head.property->name, head.property->type, c.scope_level);
}

void close_body(compiler& c, const body_head& head)
{
    if (head.is_get) c.output << "return " << head.property->cpp_name(false) << ";";
    --c.indent;
    c.pop_scope();
    c.pop_scope();
    c.output << c.indent_text() << "}";
    expect_end_words(c, head.is_get);
    end_body(c);
    c.body.current_class = nullptr;
}

}  // namespace

void translate_property_member(compiler& c, visibility_level visibility, class_symbol* cls)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    const std::string name = c.lex.text;
    // The accessors are member functions, which C++ may not name like the class.
    if (equal_nocase(name, cls->name)) throw "method cannot have the same name as its class";
    // The bodies name the value like the property, beside the object's `me`.
    if (equal_nocase(name, "me")) throw "illegal argument name";
    variable_symbol* property = find_redeclared_property(cls, name);
    c.next();
    if (!property) property = read_new_property(c, cls, name, visibility);
    cls->data_members.push_back(property);
    emit_accessor_declarations(c, property);
}

void translate_property_body(compiler& c)
{
    body_head head = read_body_head(c);
    open_body(c, head);
    c.next();
    translate_block(c);
    close_body(c, head);
}

}  // namespace kiln
