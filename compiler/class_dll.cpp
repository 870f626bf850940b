// DLL boundaries: DECLARE ... LIB bindings to functions exported by Windows
// DLLs, and the exported entries of a Kiln DLL's EXPORT procedures.
//
// A LIB declaration gets, in place of a prototype, a small function whose
// body finds the library handle (cached on the first call) and the entry
// point (looked up on every call) through the run-time and calls it with the
// stdcall convention; a missing library or entry point is a run-time error
// that names it. The library name also goes to the module's list of
// libraries, which the DLL loader of the initialization section loads.
//
// Both sides pass values in the forms foreign callers use: texts as
// terminated `char*` texts, DECIMAL by value as an 8-byte double (DECIMAL is
// `long double` here), by-reference values as pointers.
//
// Limitation of the generated stubs: the handle is cached on the first
// call, so a binding called before its library is loaded (for instance from
// the program's own INITIALIZATION, which runs before its imports'
// sections) keeps a null handle and reports its library as not found.
#include "compiler.h"

namespace kiln {

namespace {

bool is_string_literal(const lexer& lex)
{
    return lex.kind == token_kind::string_or_directive && !lex.text.empty() && lex.text[0] == '"';
}

// The entry name asked for when no ALIAS is given: the procedure's name
// without a trailing type suffix (GetTickCount& exports "GetTickCount").
std::string entry_name(const std::string& procedure_name)
{
    static const std::string suffixes = "!#$%&@";
    std::string name = procedure_name;
    if (name.size() > 1 && suffixes.find(name.back()) != std::string::npos) name.pop_back();
    return name;
}

bool is_text(const type_symbol* type)
{
    return equal_nocase(type->name, "STRING") || equal_nocase(type->name, "APISTRING");
}

bool is_decimal(const type_symbol* type) { return equal_nocase(type->name, "DECIMAL"); }

// Texts and by-reference parameters cross the DLL boundary as pointers.
bool passed_as_pointer(const variable_symbol& parameter)
{
    return parameter.by_reference || is_text(parameter.type);
}

// The stub's locals would shadow parameters of these C++ names.
void check_parameter_name(const variable_symbol& parameter)
{
    std::string name = parameter.cpp_name(false);
    if (name == "dll" || name == "ptr" || name == "func") throw "illegal argument name";
}

// What cannot cross a DLL boundary in either direction.
void check_parameter_kind(const variable_symbol& parameter)
{
    if (parameter.is_array || parameter.container != container_kind::none ||
        parameter.type->kind == symbol_kind::class_)
        throw "DLL functions cannot take objects";
}

void check_result_kind(const type_symbol* result)
{
    if (!result) return;
    if (result->kind == symbol_kind::class_) throw "DLL functions cannot return objects";
    if (equal_nocase(result->name, "VARIANT")) throw "DLL functions cannot return a VARIANT";
}

// The C++ type of a value by value at the boundary: a text is a `char*`, a
// DECIMAL an 8-byte double; anything else is its own spelling.
std::string boundary_value_type(const type_symbol* type, const char* text_spelling)
{
    if (is_text(type)) return text_spelling;
    if (is_decimal(type)) return "double";
    return value_type_text(type);
}

// The C++ result type of the function pointer. A text result arrives as a
// `char*` in EAX; the Kiln string is built from it on return.
std::string result_text(const procedure_symbol& procedure)
{
    check_result_kind(procedure.result_type);
    return procedure.result_type ? boundary_value_type(procedure.result_type, "char*") : "void";
}

// The parameters' texts, made by `part`, separated by ", ".
template<class Part> std::string joined(const std::vector<variable_symbol*>& parameters, Part part)
{
    std::string text;
    for (const variable_symbol* parameter : parameters) {
        if (!text.empty()) text += ", ";
        text += part(*parameter);
    }
    return text;
}

std::string pointer_parameter_type(const variable_symbol& parameter)
{
    return passed_as_pointer(parameter) ? "void*" : boundary_value_type(parameter.type, "");
}

std::string stub_argument(const variable_symbol& parameter)
{
    return (passed_as_pointer(parameter) ? "&" : "") + parameter.cpp_name(false);
}

// --- exported entries ---------------------------------------------------------------

// One parameter of an exported entry; by-reference values, records among
// them, arrive as pointers, which is what a C++ reference is.
std::string entry_parameter(const variable_symbol& parameter)
{
    std::string name = parameter.cpp_name(false);
    if (parameter.by_reference) return parameter.type_text() + "& " + name;
    return boundary_value_type(parameter.type, "const char*") + " " + name;
}

// The entry's argument for the procedure: a text becomes the Kiln value.
std::string procedure_argument(const variable_symbol& parameter)
{
    std::string name = parameter.cpp_name(false);
    if (!parameter.by_reference && is_text(parameter.type))
        return "kln::" + parameter.type->cpp_name() + "(" + name + ")";
    return name;
}

void add_library_name(std::vector<std::string>& names, const std::string& expression)
{
    for (const std::string& name : names)
        if (equal_nocase(name, expression)) return;
    names.push_back(expression);
}

}  // namespace

void translate_lib_clause(compiler& c, lib_binding& binding, const std::string& procedure_name,
                          class_symbol* cls)
{
    if (cls) throw "method cannot be loaded from DLL";
    binding.active = true;
    c.next();
    if (!is_string_literal(c.lex)) throw "library name expected";
    binding.lib_expression = "kln::string(" + c.lex.text + ")";
    add_library_name(c.library_names, binding.lib_expression);
    c.next();
    if (c.is_word("ALIAS")) {
        c.next();
        if (!is_string_literal(c.lex)) throw "function alias expected";
        binding.entry_expression = c.lex.text;
        c.next();
    } else {
        binding.entry_expression = "kln::string(\"" + entry_name(procedure_name) + "\")";
    }
}

void emit_lib_stub(compiler& c, const procedure_symbol& procedure, const lib_binding& binding)
{
    std::string result = result_text(procedure);
    for (const variable_symbol* parameter : procedure.parameters) {
        check_parameter_name(*parameter);
        check_parameter_kind(*parameter);
    }

    c.output << c.indent_text() << "{";
    ++c.indent;
    c.output << c.indent_text() << "static void* dll = kln::getlibhandle(" << binding.lib_expression << ");";
    c.output << c.indent_text() << "static union { void* ptr; " << result << " (__stdcall *func)("
             << joined(procedure.parameters, pointer_parameter_type) << "); }; ptr = kln::getprocaddr(dll, "
             << binding.entry_expression << ");";
    c.output << c.indent_text() << "if (!ptr) kln::__missing_entry(dll, " << binding.lib_expression << ", "
             << binding.entry_expression << ");";
    c.output << c.indent_text() << (procedure.result_type ? "return " : "") << "func("
             << joined(procedure.parameters, stub_argument) << ");";
    --c.indent;
    c.output << c.indent_text() << "}";
}

void check_export_signature(const procedure_symbol& procedure)
{
    check_result_kind(procedure.result_type);
    if (procedure.result_type && procedure.result_type->kind == symbol_kind::record)
        throw "DLL functions cannot return records";
    for (const variable_symbol* parameter : procedure.parameters) {
        check_parameter_kind(*parameter);
        if (equal_nocase(parameter->type->name, "VARIANT")) throw "DLL functions cannot take a VARIANT";
        if (parameter->by_reference && is_text(parameter->type))
            throw "DLL functions cannot take text by reference";
    }
}

void emit_export_entry(compiler& c, const procedure_symbol& procedure)
{
    const type_symbol* result = procedure.result_type;
    bool text_result = result && is_text(result);
    std::string name = procedure.cpp_name(false);
    // The name that a binding without ALIAS asks for.
    std::string exported_name = entry_name(procedure.name);
    std::string result_type = result ? boundary_value_type(result, "const char*") : "void";
    std::string call = "::kln::" + c.this_module.name + "::" + name + "(" +
                       joined(procedure.parameters, procedure_argument) + ")";
    if (text_result) call = "__text_" + name + ".keep(" + call + ")";

    c.output << c.indent_text() << "namespace __export" << c.indent_text() << "{";
    ++c.indent;
    if (text_result) c.output << c.indent_text() << "kln::__export_text __text_" << name << ";";
    c.output << c.indent_text() << "extern \"C\" __declspec(dllexport) " << result_type << " __stdcall "
             << exported_name << "(" << joined(procedure.parameters, entry_parameter) << ")";
    c.output << c.indent_text() << "{";
    ++c.indent;
    if (result) c.output << c.indent_text() << result_type << " __result;";
    c.output << c.indent_text() << "kln::__run_export([&] { " << (result ? "__result = " : "") << call
             << "; });";
    if (result) c.output << c.indent_text() << "return __result;";
    --c.indent;
    c.output << c.indent_text() << "}";
    --c.indent;
    c.output << c.indent_text() << "}" << c.indent_text();
}

}  // namespace kiln
