// DECLARE ... LIB: bindings to functions exported by Windows DLLs.
//
// A LIB declaration gets, in place of a prototype, a small function whose
// body finds the library handle (cached on the first call) and the entry
// point (looked up on every call) through the run-time and calls it with the
// stdcall convention. The library name also goes to the module's list of
// libraries, which the DLL loader of the initialization section loads.
//
// Limitations of the generated stubs:
// - DECIMAL is `long double` (12 bytes) here but 8 bytes in Win32 DLLs, so a
//   DECIMAL passed by value misaligns the foreign stack: bindings must not
//   use DECIMAL.
// - A null library handle or entry point is called anyway; the fault guard
//   reports it as "access violation".
// - The handle is cached on the first call, so a binding called before its
//   library is loaded (for instance from the program's own INITIALIZATION,
//   which runs before its imports' sections) keeps a null handle.
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

// Strings and by-reference parameters cross the DLL boundary as pointers.
bool passed_as_pointer(const variable_symbol& parameter)
{
    return parameter.by_reference || equal_nocase(parameter.type->name, "STRING") ||
           equal_nocase(parameter.type->name, "APISTRING");
}

// The stub's locals would shadow parameters of these C++ names.
void check_parameter_name(const variable_symbol& parameter)
{
    std::string name = parameter.cpp_name(false);
    if (name == "dll" || name == "ptr" || name == "func") throw "illegal argument name";
}

void check_parameter_kind(const variable_symbol& parameter)
{
    if (parameter.is_array || parameter.container != container_kind::none ||
        parameter.type->kind == symbol_kind::class_)
        throw "DLL functions cannot take objects";
}

// The C++ result type of the function pointer. A text result arrives as a
// `char*` in EAX; the Kiln string is built from it on return.
std::string result_text(const procedure_symbol& procedure)
{
    const type_symbol* result = procedure.result_type;
    if (!result) return "void";
    if (result->kind == symbol_kind::class_ || equal_nocase(result->name, "VARIANT"))
        throw "DLL functions cannot return objects";
    if (equal_nocase(result->name, "STRING") || equal_nocase(result->name, "APISTRING")) return "char*";
    return result->cpp_name();
}

std::string parameter_types(const procedure_symbol& procedure)
{
    std::string text;
    for (const variable_symbol* parameter : procedure.parameters) {
        if (!text.empty()) text += ", ";
        text += passed_as_pointer(*parameter) ? "void*" : parameter->type->cpp_name();
    }
    return text;
}

std::string call_arguments(const procedure_symbol& procedure)
{
    std::string text;
    for (const variable_symbol* parameter : procedure.parameters) {
        if (!text.empty()) text += ", ";
        if (passed_as_pointer(*parameter)) text += "&";
        text += parameter->cpp_name(false);
    }
    return text;
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
             << parameter_types(procedure) << "); }; ptr = kln::getprocaddr(dll, " << binding.entry_expression
             << ");";
    c.output << c.indent_text() << (procedure.result_type ? "return " : "") << "func("
             << call_arguments(procedure) << ");";
    --c.indent;
    c.output << c.indent_text() << "}";
}

}  // namespace kiln
