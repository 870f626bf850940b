// symbols.cpp: the seven symbol kinds, their C++ spelling, the declarations
// written for importing modules, and their module-file records.
#include "kln.h"

#include <cmath>
#include <cstdlib>

namespace {

// Kiln built-in type names and their C++ spelling inside namespace kln.
const struct {
    std::string kiln;
    std::string cpp;
} type_spellings[] = {
    {"BYTE", "unsigned char"}, {"WORD", "unsigned short"}, {"DWORD", "unsigned long"},
    {"SHORT", "short"},        {"LONG", "int"},            {"INTEGER", "int"},
    {"SINGLE", "float"},       {"DOUBLE", "double"},       {"DECIMAL", "long double"},
    {"BOOLEAN", "bool"},       {"STRING", "string"},       {"APISTRING", "apistring"},
    {"VARIANT", "variant"},    {"EVENT", "event"},         {"ANY", "void*"},
    {"OBJECT", "object"},
};

int read_byte(std::istream& file)
{
    int c = file.get();
    if (c == EOF) throw "invalid module format";
    return c;
}

bool read_flag(std::istream& file)
{
    return read_byte(file) != 0;
}

void write_byte(int value, std::ostream& file)
{
    file.put(char(value));
}

void write_header_fields(const symbol& s, std::ostream& file)
{
    write_byte(s.kind, file);
    write_str(s.name, file);
    write_byte(s.visibility, file);
}

// Reads a record that must be of the given kind: parameters, fields and
// data members are variables, methods are procedures.
template <class T>
T* read_part(std::istream& file, module* m, int kind, bool is_member)
{
    symbol* s = read_symbol(file, m);
    if (s->kind != kind) throw "invalid module format";
    s->is_member = is_member;
    return static_cast<T*>(s);
}

// The alias target named in a module file: the module's own list first,
// then the modules loaded by the importing compiler.
symbol* find_alias_target(module* m, const std::string& target, bool refers_to_type)
{
    named_list<symbol>& own = refers_to_type ? m->types : m->identifiers;
    if (symbol* s = named_list_find(own, target)) return s;
    symbol* found = refers_to_type ? static_cast<symbol*>(m->compiler->find_type(target))
                                   : m->compiler->find_identifier(target);
    if (!found)
        throw "error loading module - THIS SHOULD NEVER HAPPEN!\n\tmname = '" + m->name + "'  tname = '" +
            target + "'";
    return found;
}

// A string value is a quoted C++ literal; the translators take its quotes off.
bool is_quoted(const std::string& text)
{
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

symbol* read_constant(std::istream& file, const std::string& name, int visibility)
{
    auto* c = new constant_symbol(name, visibility);
    c->is_string = read_flag(file);
    c->value = read_str(file);
    if (c->is_string && !is_quoted(c->value)) throw "invalid module format";
    return c;
}

symbol* read_variable(std::istream& file, module* m, const std::string& name, int visibility)
{
    auto* v = new variable_symbol(name, visibility, 0, read_type_reference(*m, file));
    v->is_array = read_flag(file);
    v->by_reference = read_flag(file);
    v->has_getter = read_flag(file);
    v->has_setter = read_flag(file);
    v->container = read_byte(file);
    if (v->container > dictionary_container) throw "invalid module format";
    v->fixed_length = read_int(file);
    v->dimension_count = read_int(file);
    if (v->dimension_count < 0 || v->dimension_count > 5) throw "invalid module format";
    for (int i = 0; i < v->dimension_count; ++i) v->dimensions[i] = read_int(file);
    v->default_value = read_str(file);
    return v;
}

symbol* read_procedure(std::istream& file, module* m, const std::string& name, int visibility)
{
    type_symbol* result = read_flag(file) ? read_type_reference(*m, file) : nullptr;
    bool is_method = read_flag(file);
    auto* p = new procedure_symbol(name, visibility, true, is_method, result);
    p->c_linkage = read_flag(file);
    p->generic = read_flag(file);
    for (int n = read_count(file); n > 0; --n)
        p->parameters.push_back(read_part<variable_symbol>(file, m, variable_kind, false));
    return p;
}

// Types enter the module's type list before their own fields are read, so
// that the fields (and later records) can refer to them.
symbol* read_record(std::istream& file, module* m, const std::string& name, int visibility)
{
    auto* r = new record_symbol(name, visibility);
    r->module = m;
    m->types.push_back(r);
    for (int n = read_count(file); n > 0; --n)
        r->fields.push_back(read_part<variable_symbol>(file, m, variable_kind, true));
    return r;
}

symbol* read_class(std::istream& file, module* m, const std::string& name, int visibility)
{
    auto* c = new class_symbol(name, visibility, nullptr);
    c->module = m;
    m->types.push_back(c);
    if (read_flag(file)) {
        type_symbol* base = read_type_reference(*m, file);
        if (base->kind != class_kind) throw "invalid module format";
        c->base_class = static_cast<class_symbol*>(base);
    }
    for (int n = read_count(file); n > 0; --n)
        c->data_members.push_back(read_part<variable_symbol>(file, m, variable_kind, true));
    for (int n = read_count(file); n > 0; --n)
        c->methods.push_back(read_part<procedure_symbol>(file, m, procedure_kind, true));
    return c;
}

symbol* read_alias(std::istream& file, module* m, const std::string& name, int visibility)
{
    bool refers_to_type = read_byte(file) != 0;
    symbol* target = find_alias_target(m, read_str(file), refers_to_type);
    auto* a = new alias_symbol(name, visibility, target, refers_to_type);
    a->module = m;
    if (refers_to_type) m->types.push_back(a);
    return a;
}

}  // namespace

bool is_class(const type_symbol* type)
{
    return type && type->kind == class_kind;
}

std::string value_type_text(const type_symbol* type)
{
    if (is_class(type)) return "kln::ref<class " + type->cpp_name(true) + ">";
    return type->cpp_name(true);
}

// --- construction -----------------------------------------------------------

symbol::symbol(int kind, std::string name, int visibility)
    : kind(kind), visibility(visibility), name(std::move(name))
{
}

constant_symbol::constant_symbol(std::string name, int visibility)
    : symbol(constant_kind, std::move(name), visibility)
{
}

type_symbol::type_symbol(std::string name, int kind, int visibility) : symbol(kind, std::move(name), visibility)
{
}

variable_symbol::variable_symbol(std::string name, int visibility, int scope_level, type_symbol* type)
    : symbol(variable_kind, std::move(name), visibility), type(type), scope_level(scope_level)
{
}

procedure_symbol::procedure_symbol(std::string name, int visibility, bool defined, bool is_method,
                                   type_symbol* result_type)
    : symbol(procedure_kind, std::move(name), visibility),
      result_type(result_type),
      is_method(is_method),
      defined(defined)
{
}

record_symbol::record_symbol(std::string name, int visibility) : type_symbol(std::move(name), record_kind, visibility)
{
}

class_symbol::class_symbol(std::string name, int visibility, class_symbol* base_class)
    : type_symbol(std::move(name), class_kind, visibility), base_class(base_class)
{
}

alias_symbol::alias_symbol(std::string name, int visibility, symbol* target, bool refers_to_type)
    : symbol(alias_kind, std::move(name), visibility), target(target), refers_to_type(refers_to_type)
{
}

// --- C++ spelling -------------------------------------------------------------

namespace {

// The type that a name's last character implies, or null for no suffix.
const char* suffix_type(const std::string& name)
{
    switch (name.empty() ? 0 : name.back()) {
        case '!': return "SINGLE";
        case '#': return "DOUBLE";
        case '$': return "STRING";
        case '%': return "SHORT";
        case '&': return "LONG";
        case '@': return "DECIMAL";
        default: return nullptr;
    }
}

// The C++ spelling of a built-in type name, or null for any other name.
const std::string* builtin_spelling(const std::string& name)
{
    for (const auto& entry : type_spellings)
        if (equal_nocase(name, entry.kiln)) return &entry.cpp;
    return nullptr;
}

}  // namespace

std::string suffix_type_name(const symbol* s)
{
    const char* type = suffix_type(s->name);
    return type ? type : "VARIANT";
}

// Name rule: an optional module qualifier, and a type suffix spelled as
// "_" + its type name (count% is count_SHORT).
std::string symbol::cpp_name(bool qualified) const
{
    std::string text;
    if (qualified && module && visibility != vis_local && !is_member) text = module->name + "::";
    const char* type = suffix_type(name);
    if (!type) return text.append(name);
    return text.append(name, 0, name.size() - 1).append("_").append(type);
}

bool is_builtin_type_name(const std::string& name)
{
    return builtin_spelling(name) != nullptr;
}

std::string type_symbol::cpp_name(bool qualified) const
{
    if (const std::string* spelling = builtin_spelling(name)) return *spelling;
    return symbol::cpp_name(qualified);
}

std::string variable_symbol::type_text() const
{
    std::string text;
    if (is_array) text += "kln::array<";
    if (container == collection_container) text += "kln::collection<";
    if (container == dictionary_container) text += "kln::dictionary<";
    text += value_type_text(type);
    if (container != no_container) text += "> ";
    if (is_array) text += "> ";
    return text;
}

// --- declarations for importers -----------------------------------------------

void symbol::emit_declaration(std::ostream&) const
{
}

// Whole numbers become "const int" (C++ needs a type word); other numbers,
// the negative whole ones included, "const double". So do whole numbers
// beyond int, which a fractional source value can round to (10000000000.5
// is stored as the single-precision text 10000000000.000000).
void constant_symbol::emit_declaration(std::ostream& out) const
{
    out << "const ";
    if (is_string) {
        out << "string ";
    } else {
        double number = std::strtod(value.c_str(), nullptr);
        bool whole = number == std::fabs(std::trunc(number)) && number <= INT32_MAX;
        out << (whole ? "int " : "double ");
    }
    out << cpp_name(false) << " = " << value << ";\n";
}

void variable_symbol::emit_declaration(std::ostream& out) const
{
    out << "extern " << type_text() << " " << cpp_name(false) << ";\n";
}

void procedure_symbol::emit_declaration(std::ostream& out) const
{
    if (generic) {
        std::string n = cpp_name(false);
        out << "\t\t\tvirtual void " << n << "(kln::string& x);\n"
            << "\t\t\tvirtual void " << n << "(kln::apistring& x);\n"
            << "\t\t\tvirtual void " << n << "(ref<kln::object>& x);\n"
            << "\t\t\ttemplate<class T> void " << n << "(kln::ref<T>& x) { kln::ref<kln::object> y = x; " << n
            << "(y); }\n"
            << "\t\t\ttemplate<class T> void " << n << "(T& x) { " << n << "(&x, sizeof(T)); }\n"
            << "\t\t\tvirtual void " << n << "(void*, int);\n";
        return;
    }
    if (c_linkage) out << "extern \"C\" ";
    out << (result_type ? value_type_text(result_type) : "void") << " ";
    if (!is_method && !c_linkage) out << "__stdcall ";
    out << cpp_name(false) << "(";
    for (size_t i = 0; i < parameters.size(); ++i) {
        if (i) out << ", ";
        out << parameters[i]->type_text() << (parameters[i]->by_reference ? "&" : "");
    }
    out << ");\n";
}

void record_symbol::emit_declaration(std::ostream& out) const
{
    if (equal_nocase(name, "EVENT") || equal_nocase(name, "ANY")) return;
    out << "\nstruct " << cpp_name(false) << "\n{";
    for (const variable_symbol* field : fields) {
        out << "\n\t" << (is_class(field->type) ? "kln::ref<class " : "");
        if (field->fixed_length)
            out << "kln::flstring<" << field->fixed_length << "> ";
        else
            out << field->type->cpp_name(true);
        out << (is_class(field->type) ? ">" : "") << " " << field->cpp_name(false);
        for (int d = 0; field->dimension_count && d < 5 && field->dimensions[d]; ++d)
            out << "[" << field->dimensions[d] << "]";
        out << ";";
    }
    out << "\n};\n\n";
}

namespace {

void emit_property(const variable_symbol& property, std::ostream& out)
{
    out << "\n";
    if (property.has_getter)
        out << "\t\t\tvirtual " << value_type_text(property.type) << " " << property.cpp_name(false) << "();\n";
    if (property.has_setter)
        out << "\t\t\tvirtual void " << property.cpp_name(false) << "(" << value_type_text(property.type)
            << ");\n";
}

}  // namespace

// A class without a base (OBJECT, or a built-in class of the run-time) has
// its body in the run-time library.
void class_symbol::emit_declaration(std::ostream& out) const
{
    if (!base_class) return;
    std::string own = cpp_name(false);
    std::string base = base_class->cpp_name(true);
    out << "\nclass " << own << ": public " << base << "\n{\n"
        << "public: " << own << "(bool init = true): " << base
        << "(false) { if (init) { __refcnt++; Initialize(); __refcnt--; } }\n"
        << "virtual bool __isbase(const type_info& ti) { return (typeid(" << cpp_name(true)
        << ") == ti) || " << base << "::__isbase(ti); }\n"
        << "virtual kln::string ClassName() { return \"" << (module ? module->name : "") << "." << name
        << "\"; }\n";
    for (const variable_symbol* member : data_members) {
        if (member->has_getter || member->has_setter)
            emit_property(*member, out);
        else
            out << member->type_text() << " " << member->cpp_name(false) << ";\n";
    }
    for (const procedure_symbol* method : methods) {
        if (equal_nocase(method->name, "ClassName")) continue;
        if (!method->generic) out << "virtual ";
        method->emit_declaration(out);
    }
    out << "};\n";
}

// --- module-file records ----------------------------------------------------

void symbol::write(std::ostream& file) const
{
    write_header_fields(*this, file);
}

void constant_symbol::write(std::ostream& file) const
{
    write_header_fields(*this, file);
    write_byte(is_string, file);
    write_str(value, file);
}

void variable_symbol::write(std::ostream& file) const
{
    write_header_fields(*this, file);
    write_type_reference(type, file);
    write_byte(is_array, file);
    write_byte(by_reference, file);
    write_byte(has_getter, file);
    write_byte(has_setter, file);
    write_byte(container, file);
    write_int(fixed_length, file);
    write_int(dimension_count, file);
    for (int i = 0; i < dimension_count; ++i) write_int(dimensions[i], file);
    write_str(default_value, file);
}

void procedure_symbol::write(std::ostream& file) const
{
    write_header_fields(*this, file);
    write_byte(result_type != nullptr, file);
    if (result_type) write_type_reference(result_type, file);
    write_byte(is_method, file);
    write_byte(c_linkage, file);
    write_byte(generic, file);
    write_int(int32_t(parameters.size()), file);
    for (const variable_symbol* parameter : parameters) parameter->write(file);
}

void record_symbol::write(std::ostream& file) const
{
    write_header_fields(*this, file);
    write_int(int32_t(fields.size()), file);
    for (const variable_symbol* field : fields) field->write(file);
}

void class_symbol::write(std::ostream& file) const
{
    write_header_fields(*this, file);
    write_byte(base_class != nullptr, file);
    if (base_class) write_type_reference(base_class, file);
    write_int(int32_t(data_members.size()), file);
    for (const variable_symbol* member : data_members) member->write(file);
    write_int(int32_t(methods.size()), file);
    for (const procedure_symbol* method : methods) method->write(file);
}

void alias_symbol::write(std::ostream& file) const
{
    write_header_fields(*this, file);
    write_byte(refers_to_type, file);
    write_str(target->name, file);
}

symbol* read_symbol(std::istream& file, module* m)
{
    int kind = read_byte(file);
    std::string name = read_str(file);
    int visibility = read_byte(file);
    symbol* s = nullptr;
    switch (kind) {
        case constant_kind: s = read_constant(file, name, visibility); break;
        case type_kind:
            s = new type_symbol(name, type_kind, visibility);
            m->types.push_back(s);
            break;
        case variable_kind: s = read_variable(file, m, name, visibility); break;
        case procedure_kind: s = read_procedure(file, m, name, visibility); break;
        case record_kind: s = read_record(file, m, name, visibility); break;
        case class_kind: s = read_class(file, m, name, visibility); break;
        case alias_kind: s = read_alias(file, m, name, visibility); break;
        default: throw "invalid module format";
    }
    s->module = m;
    return s;
}

// --- class member look-ups ----------------------------------------------------

variable_symbol* find_data_member(class_symbol* cls, const std::string& name)
{
    for (; cls; cls = cls->base_class)
        if (variable_symbol* member = cls->data_members.find_raw(name)) return member;
    return nullptr;
}

procedure_symbol* find_method(class_symbol* cls, const std::string& name)
{
    for (; cls; cls = cls->base_class)
        if (procedure_symbol* method = cls->methods.find_raw(name)) return method;
    return nullptr;
}

symbol* find_member(class_symbol* cls, const std::string& name, bool inherited)
{
    if (inherited) {
        if (variable_symbol* member = find_data_member(cls, name)) return member;
        return find_method(cls, name);
    }
    if (variable_symbol* member = cls->data_members.find_raw(name)) return member;
    return cls->methods.find_raw(name);
}

symbol* require_member(class_symbol* cls, const std::string& name)
{
    if (symbol* member = find_member(cls, name, true)) return member;
    throw "undeclared identifier '" + name + "'";
}

bool is_derived_from(const class_symbol* cls, const class_symbol* other)
{
    for (; cls; cls = cls->base_class)
        if (cls == other) return true;
    return false;
}
