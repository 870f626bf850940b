// symbols.cpp: the seven symbol kinds, their C++ spelling, the declarations
// that a module shows its importers, and the look-ups in symbol lists.
#include "symbols.h"

#include <cmath>
#include <cstdlib>

namespace kiln {

namespace {

// Kiln built-in type names and their C++ spelling inside namespace kln.
const struct {
    std::string kiln;
    std::string cpp;
} type_spellings[] = {
    {"BYTE", "unsigned char"},
    {"WORD", "unsigned short"},
    {"DWORD", "unsigned long"},
    {"SHORT", "short"},
    {"LONG", "int"},
    {"INTEGER", "int"},
    {"SINGLE", "float"},
    {"DOUBLE", "double"},
    {"DECIMAL", "long double"},
    {"BOOLEAN", "bool"},
    {"STRING", "string"},
    {"APISTRING", "apistring"},
    {"VARIANT", "variant"},
    {"EVENT", "event"},
    {"ANY", "void*"},
    {"OBJECT", "object"},
};

}  // namespace

bool is_class(const type_symbol* type) { return type && type->kind == symbol_kind::class_; }

bool is_text_type(const type_symbol* type)
{
    return type && (equal_nocase(type->name, "STRING") || equal_nocase(type->name, "APISTRING"));
}

// --- C++ spellings of types: the one place that writes them ---------------------

std::string reference_type_text(const type_symbol* cls)
{
    return "kln::ref<class " + cls->cpp_name(true) + ">";
}

std::string value_type_text(const type_symbol* type)
{
    return is_class(type) ? reference_type_text(type) : type->cpp_name(true);
}

std::string conv_type_text(const type_symbol* type)
{
    if (!type) return "";
    return is_class(type) ? reference_type_text(type) + " " : type->cpp_name(true);
}

std::string container_type_text(const std::string& element, bool is_array, container_kind container)
{
    std::string text;
    if (is_array) text += "kln::array<";
    if (container == container_kind::collection) text += "kln::collection<";
    if (container == container_kind::dictionary) text += "kln::dictionary<";
    text += element;
    if (container != container_kind::none) text += "> ";
    if (is_array) text += "> ";
    return text;
}

std::string record_field_type_text(const variable_symbol& field)
{
    if (is_class(field.type)) return reference_type_text(field.type);
    if (field.fixed_length) return "kln::flstring<" + std::to_string(field.fixed_length) + "> ";
    return field.type->cpp_name(true);
}

std::string new_object_text(const type_symbol* cls)
{
    return reference_type_text(cls) + "(new (class " + cls->cpp_name(true) + "))";
}

std::string me_declaration_text(const type_symbol* cls)
{
    return reference_type_text(cls) + " me(this, true);";
}

namespace {

// The type that a name's last character implies, or null for no suffix.
const char* suffix_type(const std::string& name)
{
    switch (name.empty() ? 0 : name.back()) {
        case '!':
            return "SINGLE";
        case '#':
            return "DOUBLE";
        case '$':
            return "STRING";
        case '%':
            return "SHORT";
        case '&':
            return "LONG";
        case '@':
            return "DECIMAL";
        default:
            return nullptr;
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

// --- construction -----------------------------------------------------------

symbol::symbol(symbol_kind kind, std::string name, visibility_level visibility)
    : kind(kind), visibility(visibility), name(std::move(name))
{
}

constant_symbol::constant_symbol(std::string name, visibility_level visibility)
    : symbol(symbol_kind::constant, std::move(name), visibility)
{
}

type_symbol::type_symbol(std::string name, symbol_kind kind, visibility_level visibility)
    : symbol(kind, std::move(name), visibility), builtin_spelling_(builtin_spelling(this->name))
{
}

variable_symbol::variable_symbol(std::string name, visibility_level visibility, int scope_level,
                                 type_symbol* type)
    : symbol(symbol_kind::variable, std::move(name), visibility), type(type), scope_level(scope_level)
{
}

procedure_symbol::procedure_symbol(std::string name, visibility_level visibility, bool defined,
                                   bool is_method, type_symbol* result_type)
    : symbol(symbol_kind::procedure, std::move(name), visibility),
      result_type(result_type),
      is_method(is_method),
      defined(defined)
{
}

record_symbol::record_symbol(std::string name, visibility_level visibility)
    : type_symbol(std::move(name), symbol_kind::record, visibility)
{
}

class_symbol::class_symbol(std::string name, visibility_level visibility, class_symbol* base_class)
    : type_symbol(std::move(name), symbol_kind::class_, visibility), base_class(base_class)
{
}

alias_symbol::alias_symbol(std::string name, visibility_level visibility, symbol* target, bool refers_to_type)
    : symbol(symbol_kind::alias, std::move(name), visibility), target(target), refers_to_type(refers_to_type)
{
}

// --- C++ spelling -------------------------------------------------------------

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

bool is_builtin_type_name(const std::string& name) { return builtin_spelling(name) != nullptr; }

std::string type_symbol::cpp_name(bool qualified) const
{
    if (builtin_spelling_) return *builtin_spelling_;
    return symbol::cpp_name(qualified);
}

std::string variable_symbol::type_text() const
{
    return container_type_text(value_type_text(type), is_array, container);
}

// --- declarations for importers -----------------------------------------------

void symbol::emit_declaration(std::ostream&) const {}

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
        double number = number_of(value);
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
            << "\t\t\tvirtual void " << n << "(kln::ref<kln::object>& x);\n"
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
        out << "\n\t" << record_field_type_text(*field) << " " << field->cpp_name(false);
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
        out << "\t\t\tvirtual " << value_type_text(property.type) << " " << property.cpp_name(false)
            << "();\n";
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
        << "virtual bool __isbase(const type_info& ti) { return (typeid(" << cpp_name(true) << ") == ti) || "
        << base << "::__isbase(ti); }\n"
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

// --- a module's declarations for importers ---------------------------------------------

namespace {

bool is_public(const symbol* s) { return s && s->visibility == vis_public; }

void emit_block_head(const module& m, std::ostream& out)
{
    out << "namespace " << m.name << "\n{\n\n";
    if (m.has_initialization) out << "struct initialization { initialization(); };\n";
    if (m.has_finalization) out << "struct finalization { ~finalization(); };\n";
    out << "\n";
    for (const symbol* s : m.types)
        if (is_public(s) && s->kind == symbol_kind::class_ && !equal_nocase(s->name, "OBJECT"))
            out << "class " << s->cpp_name(false) << ";\n";
}

void emit_identifiers(const module& m, std::ostream& out)
{
    for (const symbol* s : m.identifiers)
        if (is_public(s)) s->emit_declaration(out);
    out << "\n}";
}

}  // namespace

void emit_namespace_block(module& m, std::ostream& out)
{
    emit_block_head(m, out);
    for (const symbol* s : m.types)
        if (is_public(s)) s->emit_declaration(out);
    emit_identifiers(m, out);
}

// The module's own public types are spelled with their module qualifier
// from here on, as an importer spells them.
void write_header(module& m, std::string file_name)
{
    if (file_name.empty()) file_name = m.name + ".h";
    std::ofstream out(host_path(file_name), std::ios::binary | std::ios::trunc);
    if (!out) throw "Error opening header file";
    emit_block_head(m, out);
    for (symbol* s : m.types) {
        if (!is_public(s)) continue;
        s->module = &m;
        s->emit_declaration(out);
    }
    emit_identifiers(m, out);
    out.close();
    if (!out) throw "Error writing header file";
}

// --- look-ups ----------------------------------------------------------------------

symbol* named_list_find(const named_list<symbol>& list, const std::string& name)
{
    symbol* s = list.find_raw(name);
    return s ? s->resolve() : nullptr;
}

module* find_module_in(const std::vector<module*>& loaded, const std::string& name)
{
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
        if (equal_nocase((*it)->name, name)) return *it;
    return nullptr;
}

// Class members.

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

}  // namespace kiln
