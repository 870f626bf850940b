// module_file.cpp: the compiled module file (.kmd), a module's public
// interface in binary form: its writer and its reader, record by record.
//
// Layout: "KMD\0", three version bytes, the names of the modules it imports
// (each a string, the list ended by an empty one), the initialization and
// finalization flags, then the public types and the public identifiers, each
// a count followed by that many symbol records. A record is its kind byte,
// name and visibility, then the fields of its kind. Numbers are 4 bytes,
// least significant first; strings end in a 0 byte; a type is referred to by
// its module's name and its own.
#include "module_file.h"

#include <algorithm>
#include <memory>
#include <set>

namespace kiln {

namespace {

const char module_magic[4] = {'K', 'M', 'D', 0};

[[noreturn]] void invalid_module_format() { throw "invalid module format"; }

bool is_public(const symbol* s) { return s && s->visibility == vis_public; }

bool is_type_record(const symbol* s)
{
    if (s->kind == symbol_kind::alias) return static_cast<const alias_symbol*>(s)->refers_to_type;
    return s->kind == symbol_kind::type || s->kind == symbol_kind::record || s->kind == symbol_kind::class_;
}

// --- writing --------------------------------------------------------------------

void write_byte(int value, std::ostream& file) { file.put(char(value)); }

void write_type_reference(const type_symbol* type, std::ostream& file)
{
    write_str(type->module ? type->module->name : "", file);
    write_str(type->name, file);
}

void write_record(const symbol& s, std::ostream& file);

void write_variable_fields(const variable_symbol& v, std::ostream& file)
{
    write_type_reference(v.type, file);
    write_byte(v.is_array, file);
    write_byte(v.by_reference, file);
    write_byte(v.has_getter, file);
    write_byte(v.has_setter, file);
    write_byte(int(v.container), file);
    write_int(v.fixed_length, file);
    write_int(v.dimension_count, file);
    for (int i = 0; i < v.dimension_count; ++i) write_int(v.dimensions[i], file);
    write_str(v.default_value, file);
}

void write_procedure_fields(const procedure_symbol& p, std::ostream& file)
{
    write_byte(p.result_type != nullptr, file);
    if (p.result_type) write_type_reference(p.result_type, file);
    write_byte(p.is_method, file);
    write_byte(p.c_linkage, file);
    write_byte(p.generic, file);
    write_int(int32_t(p.parameters.size()), file);
    for (const variable_symbol* parameter : p.parameters) write_record(*parameter, file);
}

void write_class_fields(const class_symbol& c, std::ostream& file)
{
    write_byte(c.base_class != nullptr, file);
    if (c.base_class) write_type_reference(c.base_class, file);
    write_int(int32_t(c.data_members.size()), file);
    for (const variable_symbol* member : c.data_members) write_record(*member, file);
    write_int(int32_t(c.methods.size()), file);
    for (const procedure_symbol* method : c.methods) write_record(*method, file);
}

void write_record(const symbol& s, std::ostream& file)
{
    write_byte(int(s.kind), file);
    write_str(s.name, file);
    write_byte(s.visibility, file);
    switch (s.kind) {
        case symbol_kind::constant: {
            auto& c = static_cast<const constant_symbol&>(s);
            write_byte(c.is_string, file);
            write_str(c.value, file);
            break;
        }
        case symbol_kind::variable:
            write_variable_fields(static_cast<const variable_symbol&>(s), file);
            break;
        case symbol_kind::procedure:
            write_procedure_fields(static_cast<const procedure_symbol&>(s), file);
            break;
        case symbol_kind::record: {
            auto& r = static_cast<const record_symbol&>(s);
            write_int(int32_t(r.fields.size()), file);
            for (const variable_symbol* field : r.fields) write_record(*field, file);
            break;
        }
        case symbol_kind::class_:
            write_class_fields(static_cast<const class_symbol&>(s), file);
            break;
        case symbol_kind::alias: {
            auto& a = static_cast<const alias_symbol&>(s);
            write_byte(a.refers_to_type, file);
            write_str(a.target->name, file);
            break;
        }
        default:
            break;  // a plain type: its name is all
    }
}

// A name as an error message quotes it: a very long one is cut short.
std::string quoted_name(const std::string& name)
{
    const size_t shown = 40;
    return "'" + (name.size() > shown ? name.substr(0, shown) + "..." : name) + "'";
}

void write_public(const named_list<symbol>& list, std::ostream& file)
{
    int32_t count = int32_t(std::count_if(list.begin(), list.end(), is_public));
    write_int(count, file);
    for (const symbol* s : list) {
        if (!is_public(s)) continue;
        try {
            write_record(*s, file);
        } catch (const char* why) {
            throw why + std::string(" in the declaration of ") + quoted_name(s->name);
        }
    }
}

// --- reading --------------------------------------------------------------------

[[noreturn]] void never_happens(const std::string& module_name, const std::string& type_name)
{
    throw "error loading module - THIS SHOULD NEVER HAPPEN!\n\tmname = '" + module_name + "'  tname = '" +
        type_name + "'";
}

// A string value is a quoted C++ literal; the translators take its quotes off.
bool is_quoted(const std::string& text)
{
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

type_symbol* find_own_type(module& m, const std::string& name)
{
    return dynamic_cast<type_symbol*>(named_list_find(m.types, name));
}

// Every class's chain of bases must end. A damaged file could make a class
// its own base, directly or round other classes, and every member look-up
// would then go round for ever. Each class is walked once: a walk stops at
// a class whose chain is already known to end.
void check_base_chains(const module& m)
{
    std::set<const class_symbol*> ending;
    for (const symbol* s : m.types) {
        if (s->kind != symbol_kind::class_) continue;
        std::set<const class_symbol*> walked;
        for (auto* c = static_cast<const class_symbol*>(s); c && !ending.count(c); c = c->base_class)
            if (!walked.insert(c).second) invalid_module_format();
        ending.insert(walked.begin(), walked.end());
    }
}

// Reads one module file into its module record.
}  // namespace

void read_module_imports(std::istream& file, const std::function<void(const std::string&)>& import)
{
    char magic[4];
    if (!file.read(magic, 4) || !std::equal(magic, magic + 4, module_magic)) invalid_module_format();
    char version[3];
    if (!file.read(version, 3)) invalid_module_format();
    for (std::string name = read_str(file); !name.empty(); name = read_str(file)) import(name);
}

namespace {

class module_file_reader {
public:
    module_file_reader(std::istream& file, module& m, const module_file_context& context)
        : file_(file), m_(m), context_(context)
    {
    }

    void read()
    {
        read_module_imports(file_, context_.load_import);
        m_.has_initialization = file_.get() > 0;
        m_.has_finalization = file_.get() > 0;
        if (!file_) invalid_module_format();
        read_types();
        read_identifiers();
    }

private:
    std::istream& file_;
    module& m_;
    const module_file_context& context_;
    // While the type section is read, a reference to one of the module's own
    // types that comes later in the file gets a placeholder; the placeholders
    // are replaced once the whole section is read (mutually referring classes).
    bool reading_types_ = false;
    std::set<type_symbol*> placeholder_set_;
    std::vector<std::unique_ptr<type_symbol>> placeholders_;

    void read_types()
    {
        reading_types_ = true;
        for (int n = read_count(file_); n > 0; --n)
            if (!is_type_record(read_symbol())) invalid_module_format();
        reading_types_ = false;
        resolve_placeholders();
        check_base_chains(m_);
    }

    void read_identifiers()
    {
        for (int n = read_count(file_); n > 0; --n) {
            symbol* s = read_symbol();
            if (is_type_record(s)) invalid_module_format();
            m_.identifiers.push_back(s);
        }
    }

    int read_byte()
    {
        int c = file_.get();
        if (c == EOF) invalid_module_format();
        return c;
    }

    bool read_flag() { return read_byte() != 0; }

    type_symbol* read_type_reference()
    {
        std::string module_name = read_str(file_);
        std::string type_name = read_str(file_);
        module* owner = &m_;
        if (!module_name.empty() && !equal_nocase(module_name, m_.name)) {
            owner = find_module_in(context_.loaded, module_name);
            if (!owner) never_happens(module_name, type_name);
        }
        if (type_symbol* type = find_own_type(*owner, type_name)) return type;
        if (owner != &m_ || !reading_types_) never_happens(module_name, type_name);
        placeholders_.emplace_back(new class_symbol(type_name, vis_public, nullptr));
        placeholder_set_.insert(placeholders_.back().get());
        return placeholders_.back().get();
    }

    // Reads a record that must be of the given kind: parameters, fields and
    // data members are variables, methods are procedures.
    template<class T> T* read_part(symbol_kind kind, bool is_member)
    {
        symbol* s = read_symbol();
        if (s->kind != kind) invalid_module_format();
        s->is_member = is_member;
        return static_cast<T*>(s);
    }

    // Reads one record; a kind byte outside 1..7 is an "invalid module
    // format". Types, records, classes and type aliases enter the module's
    // type list themselves, as soon as their name is known.
    symbol* read_symbol()
    {
        auto kind = symbol_kind(read_byte());
        std::string name = read_str(file_);
        auto visibility = visibility_level(read_byte());
        symbol* s = nullptr;
        switch (kind) {
            case symbol_kind::constant:
                s = read_constant(name, visibility);
                break;
            case symbol_kind::type:
                s = new type_symbol(name, symbol_kind::type, visibility);
                m_.types.push_back(s);
                break;
            case symbol_kind::variable:
                s = read_variable(name, visibility);
                break;
            case symbol_kind::procedure:
                s = read_procedure(name, visibility);
                break;
            case symbol_kind::record:
                s = read_record(name, visibility);
                break;
            case symbol_kind::class_:
                s = read_class(name, visibility);
                break;
            case symbol_kind::alias:
                s = read_alias(name, visibility);
                break;
            default:
                invalid_module_format();
        }
        s->module = &m_;
        return s;
    }

    symbol* read_constant(const std::string& name, visibility_level visibility)
    {
        auto* c = new constant_symbol(name, visibility);
        c->is_string = read_flag();
        c->value = read_str(file_);
        if (c->is_string && !is_quoted(c->value)) invalid_module_format();
        return c;
    }

    symbol* read_variable(const std::string& name, visibility_level visibility)
    {
        auto* v = new variable_symbol(name, visibility, 0, read_type_reference());
        v->is_array = read_flag();
        v->by_reference = read_flag();
        v->has_getter = read_flag();
        v->has_setter = read_flag();
        int container = read_byte();
        if (container > int(container_kind::dictionary)) invalid_module_format();
        v->container = container_kind(container);
        v->fixed_length = read_int(file_);
        v->dimension_count = read_int(file_);
        if (v->dimension_count < 0 || v->dimension_count > 5) invalid_module_format();
        for (int i = 0; i < v->dimension_count; ++i) v->dimensions[i] = read_int(file_);
        v->default_value = read_str(file_);
        return v;
    }

    symbol* read_procedure(const std::string& name, visibility_level visibility)
    {
        type_symbol* result = read_flag() ? read_type_reference() : nullptr;
        bool is_method = read_flag();
        auto* p = new procedure_symbol(name, visibility, true, is_method, result);
        p->c_linkage = read_flag();
        p->generic = read_flag();
        for (int n = read_count(file_); n > 0; --n)
            p->parameters.push_back(read_part<variable_symbol>(symbol_kind::variable, false));
        return p;
    }

    // Types enter the module's type list before their own fields are read,
    // so that the fields (and later records) can refer to them.
    symbol* read_record(const std::string& name, visibility_level visibility)
    {
        auto* r = new record_symbol(name, visibility);
        r->module = &m_;
        m_.types.push_back(r);
        for (int n = read_count(file_); n > 0; --n)
            r->fields.push_back(read_part<variable_symbol>(symbol_kind::variable, true));
        return r;
    }

    symbol* read_class(const std::string& name, visibility_level visibility)
    {
        auto* c = new class_symbol(name, visibility, nullptr);
        c->module = &m_;
        m_.types.push_back(c);
        if (read_flag()) {
            type_symbol* base = read_type_reference();
            if (base->kind != symbol_kind::class_) invalid_module_format();
            c->base_class = static_cast<class_symbol*>(base);
        }
        for (int n = read_count(file_); n > 0; --n)
            c->data_members.push_back(read_part<variable_symbol>(symbol_kind::variable, true));
        for (int n = read_count(file_); n > 0; --n)
            c->methods.push_back(read_part<procedure_symbol>(symbol_kind::procedure, true));
        return c;
    }

    // The alias target: the module's own list first, then the modules
    // loaded by the importer.
    symbol* read_alias(const std::string& name, visibility_level visibility)
    {
        bool refers_to_type = read_byte() != 0;
        std::string target_name = read_str(file_);
        symbol* target = named_list_find(refers_to_type ? m_.types : m_.identifiers, target_name);
        if (!target)
            target =
                refers_to_type
                    ? static_cast<symbol*>(find_type_in(context_.loaded, target_name, context_.apistring))
                    : find_identifier_in(context_.loaded, target_name);
        if (!target) never_happens(m_.name, target_name);
        auto* a = new alias_symbol(name, visibility, target, refers_to_type);
        a->module = &m_;
        if (refers_to_type) m_.types.push_back(a);
        return a;
    }

    void resolve_placeholder(type_symbol*& type)
    {
        if (!placeholder_set_.count(type)) return;
        type_symbol* found = find_own_type(m_, type->name);
        if (!found) never_happens(m_.name, type->name);
        type = found;
    }

    void resolve_placeholders(procedure_symbol* p)
    {
        if (p->result_type) resolve_placeholder(p->result_type);
        for (variable_symbol* parameter : p->parameters) resolve_placeholder(parameter->type);
    }

    void resolve_placeholders(class_symbol* c)
    {
        if (c->base_class) {
            type_symbol* base = c->base_class;
            resolve_placeholder(base);
            if (base->kind != symbol_kind::class_) invalid_module_format();
            c->base_class = static_cast<class_symbol*>(base);
        }
        for (variable_symbol* member : c->data_members) resolve_placeholder(member->type);
        for (procedure_symbol* method : c->methods) resolve_placeholders(method);
    }

    void resolve_placeholders()
    {
        for (symbol* s : m_.types) {
            if (s->kind == symbol_kind::record)
                for (variable_symbol* field : static_cast<record_symbol*>(s)->fields)
                    resolve_placeholder(field->type);
            if (s->kind == symbol_kind::class_) resolve_placeholders(static_cast<class_symbol*>(s));
        }
    }
};

}  // namespace

// --- numbers and strings ------------------------------------------------------------

int32_t read_int(std::istream& in)
{
    unsigned char bytes[4];
    if (!in.read(reinterpret_cast<char*>(bytes), 4)) invalid_module_format();
    return int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                   uint32_t(bytes[3]) << 24);
}

void write_int(int32_t value, std::ostream& out)
{
    uint32_t bits = uint32_t(value);
    char bytes[4] = {char(bits), char(bits >> 8), char(bits >> 16), char(bits >> 24)};
    out.write(bytes, 4);
}

int32_t read_count(std::istream& in)
{
    int32_t count = read_int(in);
    std::streampos here = in.tellg();
    in.seekg(0, std::ios::end);
    std::streamoff left = in.tellg() - here;
    in.seekg(here);
    if (count < 0 || count > left) invalid_module_format();
    return count;
}

std::string read_str(std::istream& in)
{
    std::string text;
    for (;;) {
        int c = in.get();
        if (c == EOF) invalid_module_format();
        if (c == 0) return text;
        if (text.size() == max_module_string) invalid_module_format();
        text += char(c);
    }
}

void write_str(const std::string& text, std::ostream& out)
{
    if (text.size() > max_module_string) throw "text too long for the module file";
    if (text.find('\0') != std::string::npos) throw "NUL byte in a text of the module file";
    out.write(text.c_str(), std::streamsize(text.size() + 1));
}

// --- whole files ------------------------------------------------------------------

std::string module_file_text(const module& m, const std::vector<module*>& loaded_modules)
{
    std::ostringstream file;
    file.write(module_magic, 4);
    file.put(char(version_major)).put(char(version_minor)).put(char(version_release));
    for (size_t i = 1; i < loaded_modules.size(); ++i) write_str(loaded_modules[i]->name, file);
    write_str("", file);
    file.put(char(m.has_initialization)).put(char(m.has_finalization));
    write_public(m.types, file);
    write_public(m.identifiers, file);
    return file.str();
}

void write_module_file(const std::string& module_name, const std::string& text)
{
    std::ofstream file(host_path(module_name + ".kmd"), std::ios::binary | std::ios::trunc);
    if (!file) throw "Error opening module file";
    file.write(text.data(), std::streamsize(text.size()));
    file.close();
    if (!file) throw "Error writing module file";
}

void read_module_file(std::istream& file, module& m, const module_file_context& context)
{
    module_file_reader(file, m, context).read();
}

}  // namespace kiln
