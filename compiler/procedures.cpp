// procedures.cpp: SUB and FUNCTION headers, prototypes and bodies: module
// procedures, DECLAREd prototypes and DLL bindings, method declarations
// inside CLASS, and method bodies written as `SUB Class.Member`.
#include "expr.h"
#include "stmt.h"

namespace kiln {

namespace {

// What one header says besides the procedure symbol itself.
struct header {
    bool exported = false;  // EXPORT
    bool external = false;  // EXTERNAL
    bool is_sub = false;
    bool is_virtual = false;      // declared inside CLASS
    bool declaration = false;     // no body follows
    class_symbol* cls = nullptr;  // the class involved, given or found by the dotted form
    bool dotted = false;          // `SUB Class.Member`: a method body
    lib_binding binding;
};

void check_type_visibility(const type_symbol* type, const header& h, const procedure_symbol& p)
{
    int required = h.cls ? h.cls->visibility : p.visibility;
    if (type->visibility < required) throw "cannot use private type in public declaration";
}

// [EXPORT | EXTERNAL] (SUB | FUNCTION) name: returns the name.
std::string read_header_start(compiler& c, header& h, visibility_level& visibility)
{
    if (c.is_word("EXPORT")) {
        if (!c.dll) throw "functions can only be exported from DLLs";
        visibility = vis_public;
        h.exported = true;
        c.next();
    } else if (c.is_word("EXTERNAL")) {
        h.external = true;
        c.next();
    }
    if (c.is_word("SUB"))
        h.is_sub = true;
    else if (!c.is_word("FUNCTION"))
        throw "SUB or FUNCTION expected";
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    std::string name = c.lex.text;
    c.next();
    return name;
}

// The kind written in the header must be the declared one; messages name
// the procedure as this header writes it.
void check_kind(const header& h, const procedure_symbol& p, const std::string& name)
{
    if (h.is_sub != (p.result_type == nullptr))
        throw "definition of '" + name + "' doesn't match declaration";
}

// An earlier declaration is completed by its bare name: the kind must agree
// and nothing may follow the name.
void check_redefinition(const compiler& c, const header& h, const procedure_symbol& p,
                        const std::string& name)
{
    check_kind(h, p, name);
    if (!c.at_end_of_statement()) throw "function prototype is already defined";
}

// --- parameters ------------------------------------------------------------------

void read_container_keyword(compiler& c, variable_symbol& param)
{
    container_kind container = c.is_word("COLLECTION")   ? container_kind::collection
                               : c.is_word("DICTIONARY") ? container_kind::dictionary
                                                         : container_kind::none;
    if (container == container_kind::none) return;
    if (param.is_array)
        throw container == container_kind::collection ? "array of collections is not allowed"
                                                      : "array of dictionaries is not allowed";
    param.container = container;
    c.next();
}

// Arrays and containers always pass by reference, ANY by value, records by
// reference and objects (counted references) by value.
void apply_passing_mode(variable_symbol& param)
{
    if (param.is_array || param.container != container_kind::none)
        param.by_reference = true;
    else if (equal_nocase(param.type->name, "ANY"))
        param.by_reference = false;
    else if (param.type->kind == symbol_kind::record)
        param.by_reference = true;
    else if (is_class(param.type))
        param.by_reference = false;
}

void read_default_value(compiler& c, variable_symbol& param)
{
    if (!c.is_operator("=")) return;
    if (param.by_reference) throw "reference arguments cannot be optional";
    c.next();
    bool is_string;
    std::string text = eval_constexpr(c, is_string);
    param.default_value = is_string ? "string(" + text + ")" : text;
}

// `earlier` holds the names of the parameters before this one.
void check_parameter_name(const header& h, name_group& earlier, const std::string& name)
{
    if (earlier.find(name)) throw "duplicate identifier '" + name + "'";
    earlier.add(name);
    check_reserved_word(name);
    // The body declares `result` in a FUNCTION and `me` in a method.
    if ((!h.is_sub && equal_nocase(name, "result")) || (h.cls && equal_nocase(name, "me")))
        throw "illegal argument name";
}

// [BYREF | BYVAL] name [()] [AS type] [COLLECTION | DICTIONARY] [= default]
variable_symbol* read_parameter(compiler& c, const header& h, const procedure_symbol& p, name_group& earlier)
{
    bool by_reference = c.byref_default;
    if (c.is_word("BYREF") || c.is_word("BYVAL")) {
        by_reference = c.is_word("BYREF");
        c.next();
    }
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    check_parameter_name(h, earlier, c.lex.text);
    auto* param = new variable_symbol(c.lex.text, vis_local, c.scope_level + 1, nullptr);
    param->by_reference = by_reference;
    c.next();
    if (c.is_operator("(")) {
        c.next();
        if (!c.is_operator(")")) throw "closing brace expected";
        param->is_array = true;
        c.next();
    }
    if (c.is_word("AS")) {
        c.next();
        param->type = parse_typename(c);
    } else {
        param->type = expr::builtin_type(c, suffix_type_name(param).c_str());
    }
    read_container_keyword(c, *param);
    check_type_visibility(param->type, h, p);
    apply_passing_mode(*param);
    read_default_value(c, *param);
    return param;
}

// "(" parameter {"," parameter} ")"; "()" is an empty list, and a
// parameter is required after every ",".
void read_parameters(compiler& c, const header& h, procedure_symbol& p)
{
    c.next();
    name_group names;
    if (!c.is_operator(")")) {
        for (;;) {
            p.parameters.push_back(read_parameter(c, h, p, names));
            if (c.is_operator(")")) break;
            if (!c.is_operator(",")) throw "comma or closing brace expected";
            c.next();
        }
    }
    c.next();
}

void read_result_type(compiler& c, const header& h, procedure_symbol& p)
{
    if (h.is_sub) return;
    if (c.is_word("AS")) {
        c.next();
        p.result_type = parse_typename(c);
    } else {
        c.expect_end_of_statement();
        p.result_type = expr::builtin_type(c, suffix_type_name(&p).c_str());
    }
    check_type_visibility(p.result_type, h, p);
}

// --- finding or creating the procedure symbol --------------------------------------

procedure_symbol* declare_new_procedure(compiler& c, header& h, const std::string& name,
                                        visibility_level visibility)
{
    if (h.cls && equal_nocase(name, h.cls->name)) throw "method cannot have the same name as its class";
    auto* p = new procedure_symbol(name, visibility, false, h.cls != nullptr, nullptr);
    check_reserved_word(name);
    p->c_linkage = h.external;
    if (c.is_word("LIB")) {
        translate_lib_clause(c, h.binding, name, h.cls);
        h.declaration = true;
    }
    if (c.is_operator("(")) read_parameters(c, h, *p);
    read_result_type(c, h, *p);
    if (h.cls) {
        p->is_member = true;
        h.cls->methods.push_back(p);
    } else {
        c.this_module.identifiers.push_back(p);
    }
    return p;
}

// `SUB Class.Member`: the body of a method declared in a class of this module.
// A prototype of it outside the class would be invalid C++.
procedure_symbol* find_dotted_method(compiler& c, header& h, const std::string& class_name)
{
    if (h.cls || h.declaration) throw "class specifier is not allowed here";
    symbol* type = named_list_find(c.this_module.types, class_name);
    if (!type) throw "undefined class";
    if (type->kind != symbol_kind::class_) throw "'" + class_name + "' is not a class";
    auto* cls = static_cast<class_symbol*>(type);
    c.next();
    if (c.lex.kind != token_kind::identifier) throw "identifier expected";
    std::string member = c.lex.text;
    procedure_symbol* method = cls->methods.find_raw(member);
    if (!method) throw "'" + member + "' is not a member of '" + cls->name + "'";
    if (!c.defined_methods.insert({cls, method}).second) throw "function '" + member + "'already defined";
    h.cls = cls;
    h.dotted = true;
    c.body.current_class = cls;
    c.next();
    check_kind(h, *method, member);
    c.expect_end_of_statement();
    return method;
}

// A method line inside CLASS: a new method, or an override of an inherited one.
procedure_symbol* declare_method(compiler& c, header& h, const std::string& name, visibility_level visibility)
{
    h.is_virtual = true;
    if (h.cls->methods.find_raw(name)) throw "duplicate identifier '" + name + "'";
    symbol* inherited = find_member(h.cls, name, true);
    if (!inherited) return declare_new_procedure(c, h, name, visibility);
    if (inherited->kind != symbol_kind::procedure) throw "duplicate identifier '" + name + "'";
    auto* method = static_cast<procedure_symbol*>(inherited);
    if (method->visibility != visibility) throw "scope mismatch";
    check_redefinition(c, h, *method, name);
    h.cls->methods.push_back(method);
    return method;
}

// A module-level header: a new procedure, or the definition of a declared one.
procedure_symbol* find_or_declare_procedure(compiler& c, header& h, const std::string& name,
                                            visibility_level visibility)
{
    symbol* found = c.this_module.identifiers.find_raw(name);
    if (!found) return declare_new_procedure(c, h, name, visibility);
    found = found->resolve();
    if (found->kind != symbol_kind::procedure) throw "duplicate identifier '" + name + "'";
    auto* p = static_cast<procedure_symbol*>(found);
    if (h.declaration) throw "function '" + name + "' already declared";
    if (p->defined) throw "function '" + name + "'already defined";
    check_redefinition(c, h, *p, name);
    return p;
}

// --- output ----------------------------------------------------------------------

void write_parameters(text_stream& out, const procedure_symbol& p)
{
    for (size_t i = 0; i < p.parameters.size(); ++i) {
        const variable_symbol& param = *p.parameters[i];
        if (i) out << ", ";
        out << param.type_text() << (param.by_reference ? "& " : " ") << param.cpp_name(false);
    }
}

void write_heading(compiler& c, const header& h, const procedure_symbol& p)
{
    text_stream& out = c.output;
    bool extern_c = p.c_linkage && !h.binding.active;
    if (extern_c) out << "extern \"C\" ";
    // g++ refuses extern "C" static; a C-linkage procedure is defined elsewhere anyway.
    if (p.visibility == vis_private && !p.is_method && !extern_c) out << "static ";
    if (h.is_virtual) out << "virtual ";
    out << (p.result_type ? value_type_text(p.result_type) : "void") << " ";
    if (!h.cls && !p.c_linkage) out << "__stdcall ";
    if (h.dotted) out << h.cls->cpp_name() << "::";
    out << p.cpp_name(false) << "(";
    write_parameters(out, p);
    out << ")";
}

// Declares a body-local variable and writes its definition line.
void declare_local(compiler& c, const std::string& name, type_symbol* type, const std::string& definition)
{
    c.this_module.identifiers.push_back(new variable_symbol(name, vis_local, c.scope_level, type));
    c.output << c.indent_text() << definition;
}

// The scope of a method body: every member of the class and its bases.
void push_member_scope(compiler& c, class_symbol* cls)
{
    c.push_scope();
    add_class_members_to_scope(c, cls);
}

// Parameters live at the body's own level, so a DIM of a parameter's name
// in the outermost block is a duplicate.
void push_parameter_scope(compiler& c, const procedure_symbol& p)
{
    c.push_scope();
    for (variable_symbol* param : p.parameters) {
        param->scope_level = c.scope_level;
        c.this_module.identifiers.push_back(param);
    }
}

void write_body_start(compiler& c, const header& h, procedure_symbol& p)
{
    c.output << c.indent_text() << "{";
    if (c.debug) {
        c.output << c.indent_text() << "kln::dbg_func(\"" << c.this_module.name << ".";
        if (h.dotted) c.output << h.cls->name << ".";
        c.output << p.name << "\");" << c.indent_text();
    }
    ++c.indent;
    if (p.result_type) declare_local(c, "result", p.result_type, value_type_text(p.result_type) + " result;");
    if (h.dotted) declare_local(c, "me", h.cls, me_declaration_text(h.cls));
}

void translate_body(compiler& c, const header& h, procedure_symbol& p)
{
    c.expect_end_of_statement();
    begin_body(c, h.is_sub ? body_kind::sub : body_kind::function);
    push_member_scope(c, h.dotted ? h.cls : nullptr);
    push_parameter_scope(c, p);
    write_body_start(c, h, p);
    c.next();
    translate_block(c);
    if (!c.is_word(h.is_sub ? "SUB" : "FUNCTION")) throw h.is_sub ? "SUB expected" : "FUNCTION expected";
    if (c.debug) c.output << c.indent_text();
    write_body_return(c);
    --c.indent;
    c.output << c.indent_text() << "}" << c.indent_text();
    c.next();
    c.pop_scope();
    c.pop_scope();
    end_body(c);
}

}  // namespace

void translate_procedure(compiler& c, visibility_level visibility, bool declaration, class_symbol* cls)
{
    header h;
    h.declaration = declaration;
    h.cls = cls;
    std::string name = read_header_start(c, h, visibility);
    procedure_symbol* p;
    if (c.is_operator("."))
        p = find_dotted_method(c, h, name);
    else if (cls)
        p = declare_method(c, h, name, visibility);
    else
        p = find_or_declare_procedure(c, h, name, visibility);
    // A DLL binding's stub is its definition: a later body would define it twice.
    if (!h.dotted) p->defined = !h.declaration || h.binding.active;
    if (h.exported) check_export_signature(*p);
    write_heading(c, h, *p);
    if (h.declaration) {
        if (h.binding.active)
            emit_lib_stub(c, *p, h.binding);
        else
            c.output << ";";
    }
    if (c.is_word("GENERIC")) {
        p->generic = true;
        c.next();
    }
    if (!h.declaration) translate_body(c, h, *p);
    if (h.dotted) c.body.current_class = nullptr;
    // An EXPORT procedure is an ordinary one; its exported entry follows it.
    if (h.exported && !p->exported) {
        p->exported = true;
        emit_export_entry(c, *p);
    }
}

void add_class_members_to_scope(compiler& c, class_symbol* cls, const symbol* except)
{
    for (class_symbol* k = cls; k; k = k->base_class) {
        for (variable_symbol* member : k->data_members)
            if (member != except) c.this_module.identifiers.push_back(member);
        for (procedure_symbol* method : k->methods) c.this_module.identifiers.push_back(method);
    }
}

}  // namespace kiln
