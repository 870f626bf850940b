// CLASS ... END CLASS and DECLARE CLASS.
//
// A class becomes a C++ class deriving from its base, with a generated
// constructor, base-class check and class name, its fields, events and
// property accessors, its method declarations, and a type record that
// registers the class with the run-time class list (objects by name).
//
// Virtual members are declared in the order importers of the module write
// them: fields and property accessors in member order, then the methods in
// method-list order. Method lines are therefore collected while the member
// list is read and written just before the closing brace, so the vtable
// slots agree in every module that sees the class.
#include "stmt.h"

namespace kiln {

namespace {

// DECLARE CLASS made it, CLASS has not defined it yet: it has no base and
// no methods (every defined class lists at least ClassName).
bool is_forward_only(const class_symbol* cls) { return !cls->base_class && cls->methods.empty(); }

// A class of a name not yet in the module's type list.
class_symbol* add_new_class(compiler& c, const std::string& name, visibility_level visibility)
{
    c.check_new_type_name(name);
    auto* cls = new class_symbol(name, visibility, nullptr);
    c.this_module.types.push_back(cls);
    return cls;
}

// Everything a public class uses must be public: the whole class goes to
// the module file.
void check_type_visibility(const class_symbol* cls, const type_symbol* type)
{
    if (type->visibility < cls->visibility) throw "cannot use private type in public declaration";
}

// Sends the compiler's output into a buffer while alive.
class output_capture {
public:
    explicit output_capture(std::ostream& out) : out_(out), saved_(out.rdbuf(buffer_.rdbuf())) {}
    ~output_capture() { out_.rdbuf(saved_); }
    std::string text() const { return buffer_.str(); }

private:
    std::ostream& out_;
    std::ostringstream buffer_;
    std::streambuf* saved_;
};

class_symbol* declare_class(compiler& c, visibility_level visibility)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    const std::string name = c.lex.text;
    if (symbol* existing = c.this_module.types.find_raw(name)) {
        auto* cls = dynamic_cast<class_symbol*>(existing);
        if (!cls || !is_forward_only(cls)) throw "duplicate identifier '" + name + "'";
        // Public declarations may already use a public forward declaration.
        if (visibility < cls->visibility) throw "scope mismatch";
        cls->visibility = visibility;
        return cls;
    }
    return add_new_class(c, name, visibility);
}

// EXTENDS Base: a class that is already defined and is not the class itself.
class_symbol* read_base_class(compiler& c, class_symbol* cls)
{
    if (!c.is_word("EXTENDS")) throw "EXTENDS expected";
    c.next();
    type_symbol* type = parse_typename(c);
    auto* base = dynamic_cast<class_symbol*>(type);
    if (!base) throw "'" + type->name + "' is not a class";
    if (base == cls || is_forward_only(base)) throw "undefined class";
    check_type_visibility(cls, base);
    return base;
}

void emit_class_head(compiler& c, const class_symbol* cls)
{
    const std::string n = cls->cpp_name();
    const std::string b = cls->base_class->cpp_name();
    text_stream& out = c.output;
    out << c.indent_text() << "{";
    out << c.indent_text() << "public: " << n << "(bool init = true): " << b
        << "(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }";
    out << c.indent_text() << "virtual bool __isbase(const type_info& ti){ return (typeid(" << n
        << ") == ti ) || " << b << "::__isbase(ti); }";
    out << c.indent_text() << "virtual kln::string ClassName() { return \"" << c.this_module.name << "."
        << cls->name << "\"; }";
}

// Every class lists the inherited ClassName first.
// A built-in base may lack ClassName: then there is nothing to inherit.
void inherit_class_name(class_symbol* cls)
{
    if (procedure_symbol* class_name = find_method(cls->base_class, "ClassName"))
        cls->methods.push_back(class_name);
}

void emit_type_record(compiler& c, const class_symbol* cls)
{
    const std::string n0 = cls->cpp_name(false);
    text_stream& out = c.output;
    out << "struct __rtti_" << n0 << ": kln::rtti";
    out << c.indent_text() << "{";
    out << c.indent_text() << "\t__rtti_" << n0 << "() { kln::classlist::add(this); }";
    out << c.indent_text() << "\tkln::ref<kln::object> create() { return new class " << cls->cpp_name()
        << "; }";
    out << c.indent_text() << "\tstring name() { return \"" << c.this_module.name << "." << cls->name
        << "\"; }";
    out << c.indent_text() << "} __rtti_" << n0 << ";";
    out << c.indent_text();
}

visibility_level read_access_keyword(const compiler& c)
{
    if (c.is_word("PRIVATE")) return vis_private;
    if (c.is_word("PROTECTED")) return vis_protected;
    if (c.is_word("PUBLIC")) return vis_public;
    throw "access specifier expected";
}

// A field name must be new in the class, its bases and its own group, and
// differ from the class's name (C++ refuses a field named like its class).
void read_field_name(compiler& c, class_symbol* cls, name_group& group)
{
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    const std::string& name = c.lex.text;
    if (group.find(name) || equal_nocase(name, cls->name) || find_member(cls, name, true))
        throw "duplicate identifier '" + name + "'";
    check_reserved_word(name);
    group.add(name);
    c.next();
}

// One name, or "(" name {"," name} ")".
std::vector<std::string> read_field_names(compiler& c, class_symbol* cls)
{
    name_group group;
    if (!c.is_operator("(")) {
        read_field_name(c, cls, group);
        return group.names();
    }
    do {
        c.next();
        read_field_name(c, cls, group);
    } while (c.is_operator(","));
    if (!c.is_operator(")")) throw "closing brace expected";
    c.next();
    return group.names();
}

bool read_array_mark(compiler& c)
{
    if (!c.is_operator("(")) return false;
    c.next();
    if (!c.is_operator(")")) throw "closing brace expected";
    c.next();
    return true;
}

container_kind read_container_mark(compiler& c, bool is_array)
{
    container_kind container = c.is_word("COLLECTION")   ? container_kind::collection
                               : c.is_word("DICTIONARY") ? container_kind::dictionary
                                                         : container_kind::none;
    if (container == container_kind::none) return container_kind::none;
    if (is_array)
        throw container == container_kind::collection ? "array of collections is not allowed"
                                                      : "array of dictionaries is not allowed";
    c.next();
    return container;
}

// A field's array closes without the blank after it.
std::string field_type_text(const type_symbol* type, bool is_array, container_kind container)
{
    std::string text = container_type_text(conv_type_text(type), is_array, container);
    if (is_array) text.pop_back();
    return text;
}

// One group: names [()] [AS type] [COLLECTION | DICTIONARY].
void translate_field_group(compiler& c, class_symbol* cls, visibility_level visibility)
{
    std::vector<std::string> names = read_field_names(c, cls);
    bool is_array = read_array_mark(c);
    type_symbol* type;
    if (c.is_word("AS")) {
        c.next();
        type = parse_typename(c);
    } else {
        type = c.require_type("VARIANT");
    }
    check_type_visibility(cls, type);
    container_kind container = read_container_mark(c, is_array);

    c.output << field_type_text(type, is_array, container) << " ";
    for (size_t i = 0; i < names.size(); ++i) {
        auto* field = new variable_symbol(names[i], visibility, c.scope_level, type);
        field->is_member = true;
        field->is_array = is_array;
        field->container = container;
        cls->data_members.push_back(field);
        c.output << (i ? ", " : "") << field->cpp_name(false);
    }
    c.output << "; ";
}

void translate_fields(compiler& c, class_symbol* cls, visibility_level visibility)
{
    translate_field_group(c, cls, visibility);
    while (c.is_operator(",")) {
        c.next();
        translate_field_group(c, cls, visibility);
    }
}

// A method line's declaration text. A GENERIC method is declared as the
// overload set that importers see; the overloads other than its own
// heading come from the module's #CPP text.
std::string translate_method(compiler& c, class_symbol* cls, visibility_level visibility)
{
    std::string text;
    {
        output_capture capture(c.output);
        c.output << c.indent_text();
        translate_procedure(c, visibility, true, cls);
        text = capture.text();
    }
    procedure_symbol* method = cls->methods.back();
    if (!method->generic) return text;
    std::ostringstream overloads;
    method->emit_declaration(overloads);
    return c.indent_text() + overloads.str();
}

// Reads member lines up to END CLASS; returns the method declarations.
std::string translate_members(compiler& c, class_symbol* cls)
{
    std::string methods;
    for (;;) {
        skip_empty_statements(c);
        if (c.is_word("END")) {
            c.next();
            if (!c.is_word("CLASS")) throw "CLASS expected";
            c.next();
            return methods;
        }
        visibility_level visibility = read_access_keyword(c);
        c.next();
        if (c.is_word("SUB") || c.is_word("FUNCTION")) {
            methods += translate_method(c, cls, visibility);
        } else {
            c.output << c.indent_text();
            if (c.is_word("PROPERTY"))
                translate_property_member(c, visibility, cls);
            else
                translate_fields(c, cls, visibility);
        }
        c.expect_end_of_statement();
        c.next();
    }
}

}  // namespace

void translate_class_forward(compiler& c, visibility_level visibility)
{
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    const std::string name = c.lex.text;
    if (c.this_module.types.find_raw(name)) throw "duplicate identifier '" + name + "'";
    class_symbol* cls = add_new_class(c, name, visibility);
    c.output << "class " << cls->cpp_name() << ";" << c.indent_text();
    c.next();
}

void translate_class(compiler& c, visibility_level visibility)
{
    class_symbol* cls = declare_class(c, visibility);
    c.output << "class " << cls->cpp_name();
    c.next();
    cls->base_class = read_base_class(c, cls);
    c.output << ": public " << cls->base_class->cpp_name();
    emit_class_head(c, cls);
    inherit_class_name(cls);
    std::string methods = translate_members(c, cls);
    c.output << methods;
    c.output << c.indent_text() << "};" << c.indent_text();
    emit_type_record(c, cls);
}

// A class that DECLARE CLASS named and no CLASS defined would reach C++ as an
// incomplete type, and importers could neither create nor use it.
void check_module_classes(compiler& c)
{
    for (symbol* type : c.this_module.types) {
        auto* cls = dynamic_cast<class_symbol*>(type);
        if (cls && is_forward_only(cls)) throw "undefined class '" + cls->name + "'";
    }
}

}  // namespace kiln
