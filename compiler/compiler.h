// compiler.h: the compiler object and what translating a module shares.
//
// The compiler reads one Kiln module and writes one C++ translation unit.
// The road of a module, one stage a file (headers in brackets):
//   main.cpp        the driver: command line, the session, error line, exit status
//   session.cpp     what the run shares; before translation, the imports found
//                   (USING read with the lexer alone) and the rebuilds of stale
//                   ones planned in the order the translation meets them [session.h]
//   rebuilds.cpp    the planned rebuilds run, one after another or side by side [rebuilds.h]
//   compiler.cpp    the compiler object: the context of one module's translation,
//                   its scopes, look-ups and imports
//   lexer.cpp       tokens and reserved words [lexer.h]
//   frame.cpp       outer level of a module, default sections, #CPP
//   decl_*.cpp      DIM and type names, TYPE, CONST/ENUM, OPTION, USING/ALIAS/BUILTIN
//   procedures.cpp, class_*.cpp
//                   SUB and FUNCTION, DLL bindings, classes, properties, sections
//   stmt_*.cpp      block loop and dispatcher, assignments, loops, I/O, TRY/SELECT [stmt.h]
//   expr_*.cpp      expressions, members, containers, call arguments [expr.h]
//   symbols.cpp     symbol kinds, C++ spellings, importers' declarations [symbols.h]
//   module_file.cpp the .kmd writer and reader [module_file.h]
//   loader.cpp      finding and reading the module files of imports [loader.h]
//   build.cpp       bcc32, tlib and ilink32, from a build request [build.h]
//   util.cpp        names ignoring case, file names, the output file [util.h]
//
// Errors are thrown values: a translator throws a message as a `const char*`
// or a std::string; `compiler::compile` turns it into a positioned
// parse_error; main prints it. Look-ups report "not there" by a null result
// (find_…) or by the message a user reads (require_…); the expression
// translator tells what an expression was by its result.
#pragma once

#include "build.h"
#include "lexer.h"
#include "loader.h"
#include "session.h"
#include "symbols.h"

#include <map>
#include <set>

namespace kiln {

// ---------------------------------------------------------------------------
// Errors

// The one error record that leaves a compilation.
struct parse_error {
    std::string message;
    std::string module;
    int line;
    int column;
};

// An error line written in full by a rebuild that ran in a process of its
// own; printed as it is.
struct reported_error {
    std::string line;
};

// ---------------------------------------------------------------------------
// DLL bindings: the LIB clause of a DECLARE read by the procedure translator.

struct lib_binding {
    bool active = false;
    std::string lib_expression;    // kln::string("user32")
    std::string entry_expression;  // "Alias" or kln::string("Name")
};

// ---------------------------------------------------------------------------
// Expressions: what a declaration or statement asks of one expression, and
// what the expression turned out to be.

struct expression_request {
    bool want_lvalue = false;      // one assignable operand: an assignment's target, or a call statement
    bool bare_lvalue = false;      // ... that nothing follows (SWAP, INPUT, BYREF arguments)
    bool want_array = false;       // one operand that is a whole dynamic array
    bool want_collection = false;  // one operand that is a whole container
    container_kind wanted_container =
        container_kind::none;        // with want_collection: only this kind (none: either)
    module* first_module = nullptr;  // the first operand names a member of this module,
                                     // whose "Module." has already been read
};

// C++ binding levels of the binary operators an expression writes, from the
// tightest to the loosest.
enum class cpp_level {
    none = 0,
    multiplicative = 5,
    additive,
    shift,
    relational = 9,
    equality,
    bit_and,
    bit_xor,
    bit_or,
    logical_and,
    logical_or
};

struct expression {
    // A value; an assignable target (when one was asked for); or, where a
    // target was asked for, a call or another operand that is none, after
    // which the translation stopped.
    enum class form { value, target, call, not_target };
    form kind = form::value;
    type_symbol* type = nullptr;
    symbol* named = nullptr;              // what a target names: a variable, property or event
    cpp_level loosest = cpp_level::none;  // the loosest binary operator outside parentheses
};

// ---------------------------------------------------------------------------
// The body being translated: a procedure, a property accessor or a section.

// What EXIT SUB/FUNCTION/PROPERTY return and whether that return is traced.
enum class body_kind { none, sub, function, property_get, property_set, section };

struct body_state {
    body_kind kind = body_kind::none;
    std::string result;                     // PROPERTY GET: the local variable the body returns
    std::map<std::string, bool> labels;     // label → defined
    int loop_depth = 0;                     // loops around the current statement (EXIT DO/FOR)
    class_symbol* current_class = nullptr;  // a method's or accessor's class; null elsewhere
};

// ---------------------------------------------------------------------------
// Recursion limits: a recursive translator counts its depth in the compiler
// of its module, so that hostile input cannot run off the stack.

class depth_guard {
public:
    depth_guard(int& depth, int limit, const char* message) : depth_(depth)
    {
        if (depth_ == limit) throw message;
        ++depth_;
    }
    ~depth_guard() { --depth_; }
    depth_guard(const depth_guard&) = delete;
    depth_guard& operator=(const depth_guard&) = delete;

private:
    int& depth_;
};

// ---------------------------------------------------------------------------
// The compiler object: one per module being translated.

struct compiler {
    std::ifstream input;
    output_file output;
    lexer lex;
    module this_module;
    session& run;                            // the run this compilation belongs to
    std::string resource_file;               // OPTION RESOURCE
    std::string line_buffer;                 // last raw line of a #CPP block
    std::vector<module*> loaded_modules;     // entry 0 is &this_module
    std::vector<std::string> library_names;  // LIB expressions, first appearance, no duplicates
    std::string source_file;                 // host path of the source read
    std::string output_folder;               // where M.cpp and M.kmd go: "" or a folder ending in '/'
    bool library = false;
    bool library_option = false;  // OPTION LIBRARY: the build makes a library
    bool dll = false;
    bool abort_build = false;
    bool interface_module = false;  // INTERFACE: M.cpp is written by hand and never removed
    bool explicit_option = false;
    bool console = true;
    bool byref_default = false;
    bool apistring = false;
    bool debug = false;
    body_state body;
    // (class, method) pairs whose `SUB Class.Member` body was translated: an
    // override shares the inherited symbol, so its `defined` byte cannot tell.
    std::set<std::pair<const symbol*, const symbol*>> defined_methods;
    int indent = 0;
    int scope_level = 0;
    int expression_depth = 0;            // nested expressions
    int statement_depth = 0;             // nested statements and blocks
    int constant_parenthesis_depth = 0;  // parentheses of a constant expression

    // --- compiler.cpp: object, scopes, look-ups
    // Throws the open and illegal-name errors. The module takes the spelling
    // of its source file, unless `module_name` gives it (a rebuilt import
    // keeps the name its importer knows it by).
    compiler(const std::string& name, session& run, const std::string& module_name = "");
    ~compiler();
    void compile(bool library, bool debug);
    // What the build of the translated module needs.
    build_request to_build() const;
    const std::string& indent_text() const;  // "\n" + one TAB per indent level
    // Look-ups of types and identifiers in one module (m) or across the
    // loaded modules: find_… returns null when nothing matches, require_…
    // throws "undefined type" or "undeclared identifier '…'".
    type_symbol* find_type(const std::string& name, module* m = nullptr);
    type_symbol* require_type(const std::string& name, module* m = nullptr);
    symbol* find_identifier(const std::string& name, module* m = nullptr);
    symbol* require_identifier(const std::string& name, module* m = nullptr);
    // The loaded module of that name (ignoring case), or null.
    module* find_module(const std::string& name) const;
    // Loads a module (USING, and System) unless it is loaded already, and
    // writes the namespace blocks of the modules that the load added.
    void load_import(const std::string& name);
    // A class or record becomes a C++ struct in the module's namespace, and
    // generated code reaches every module's symbols as Module::Name: the name
    // of a new one may be no built-in type, no loaded module (whose namespace
    // it would hide) and no reserved word.
    void check_new_type_name(const std::string& name) const;
    // At the end of the module: no class or record is named like a module
    // that a USING after it loaded.
    void check_type_names_against_modules() const;
    void push_scope();
    void pop_scope();
    void add_main_procedure();
    void next() { lex.next_token(); }
    // Throws "end of statement expected" unless the current token ends the statement.
    void expect_end_of_statement();
    // The current token is the keyword `word` (ignoring case).
    bool is_word(const char* word) const
    {
        return lex.kind == token_kind::identifier && equal_nocase(lex.text, word);
    }
    // The current token is the operator `op` (compared exactly).
    bool is_operator(const char* op) const
    {
        const char* text = lex.text.c_str();
        return lex.kind == token_kind::operator_token && text[0] == op[0] && std::strcmp(text, op) == 0;
    }
    bool at_end_of_statement() const { return lex.kind == token_kind::end_of_statement; }

private:
    // `source` is the host path of the source file found, or "" for none.
    compiler(const std::string& source, const std::string& name, session& run,
             const std::string& module_name);
};

// ---------------------------------------------------------------------------
// The translators: free functions, like the helpers of each stage's file,
// that work on the compiler of the module being translated. A translator of
// a construct starts on its first token and returns on the token after it.

// --- frame.cpp: the outer level
void translate_module(compiler& c);
void translate_cpp_block(compiler& c);  // "#CPP" … "#KLN" verbatim text

// --- decl_dim.cpp: type names and DIM
type_symbol* parse_typename(compiler& c);
void translate_dim(compiler& c, visibility_level visibility);
// --- decl_type.cpp
void translate_type(compiler& c, visibility_level visibility);
// --- decl_const.cpp
std::string eval_constexpr(compiler& c, bool& is_string);
void translate_const(compiler& c, visibility_level visibility);
void translate_enum(compiler& c, visibility_level visibility);
// --- decl_option.cpp
void translate_option(compiler& c);
// --- decl_using.cpp
void translate_using(compiler& c);
void translate_alias(compiler& c);
void translate_builtin(compiler& c, visibility_level visibility);

// --- expr_expression.cpp, expr_members.cpp, expr_containers.cpp, expr_call_args.cpp
// The one entry of the expression translator: writes the expression's
// C++ text to `out`. Asked for a target, it writes the target alone; the
// statement writes the assignment around it.
expression translate_expression(compiler& c, const expression_request& request, text_stream& out);
type_symbol* translate_call_args(compiler& c, procedure_symbol* procedure, bool statement_form,
                                 text_stream& out);
// Writes a value's text that stands beside a C++ operator of level
// `beside`: in parentheses when its own loosest operator binds as loosely
// or more loosely, so that C++ groups it as the source does.
void write_value_beside(compiler& c, const std::string& text, const expression& value, cpp_level beside);
// The text that steps an operand of type t by one: "++" or "--", but
// " += 1" or " -= 1" for a BOOLEAN, on which C++17 has no ++ or --.
const char* step_by_one_text(const type_symbol* t, bool up);

// --- stmt_block.cpp: block loop, dispatcher, END/#CPP/labels/GOTO/EXIT/SWAP/INCR/DECR
bool translate_block(compiler& c);
bool translate_statement(compiler& c);
void translate_exit(compiler& c);
void translate_swap(compiler& c);
void translate_incr(compiler& c);
void translate_decr(compiler& c);
void translate_label(compiler& c);
void translate_goto(compiler& c);
// Starts a procedure, property or section body: sets its kind (and the
// returned variable of a GET body) and clears the labels; end_body
// reports the first label used but never defined.
void begin_body(compiler& c, body_kind kind, const std::string& result_variable = "");
void end_body(compiler& c);
// --- stmt_assign.cpp
void translate_assignment(compiler& c);
// --- stmt_loops.cpp
void translate_if(compiler& c);
void translate_while(compiler& c);
void translate_do(compiler& c);
void translate_for(compiler& c);
void translate_for_each(compiler& c);
// --- stmt_io.cpp
void translate_print(compiler& c);
void translate_input(compiler& c);
void translate_line_input(compiler& c);
void translate_redim(compiler& c);
// --- stmt_exceptions.cpp
void translate_try(compiler& c);
void translate_throw(compiler& c);
void translate_raise(compiler& c);
void translate_select(compiler& c);

// --- procedures.cpp
void translate_procedure(compiler& c, visibility_level visibility, bool declaration, class_symbol* cls);
// The members of the class and its bases, visible by their bare names in a body.
void add_class_members_to_scope(compiler& c, class_symbol* cls, const symbol* except = nullptr);

// --- class_dll.cpp: DECLARE … LIB and EXPORT
// Current token LIB: reads the clause, records the library name.
void translate_lib_clause(compiler& c, lib_binding& binding, const std::string& procedure_name,
                          class_symbol* cls);
// Writes the stub body that replaces the ";" of a LIB declaration.
void emit_lib_stub(compiler& c, const procedure_symbol& procedure, const lib_binding& binding);
// EXPORT: refuses what cannot cross the DLL boundary.
void check_export_signature(const procedure_symbol& procedure);
// Writes the exported entry of an EXPORT procedure: the C-linkage function
// that foreign callers and bindings call, with texts as `char*`, which runs
// the procedure through the DLL start-up object.
void emit_export_entry(compiler& c, const procedure_symbol& procedure);
// --- class_class.cpp
void translate_class(compiler& c, visibility_level visibility);
void translate_class_forward(compiler& c, visibility_level visibility);
// At the end of the module: every forward-declared class was defined.
void check_module_classes(compiler& c);
// --- class_property.cpp
void translate_property_member(compiler& c, visibility_level visibility, class_symbol* cls);
void translate_property_body(compiler& c);
// --- class_sections.cpp
void translate_initialization(compiler& c);
void translate_finalization(compiler& c);
void emit_dll_loader(compiler& c);
void emit_dll_unloader(compiler& c);

}  // namespace kiln
