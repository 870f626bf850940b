// kln.h: the types every stage of the Kiln compiler shares.
//
// The compiler reads one Kiln module and writes one C++ translation unit.
// Stages, one source file each (see CMakeLists.txt):
//   main.cpp        command line, banner, error line, exit status
//   util.cpp        file-name and string helpers, host paths
//   lexer.cpp       tokens, reserved words
//   symbols.cpp     symbol kinds, C++ spelling, declarations for importers, look-ups
//   module_file.cpp the .kmd writer and reader (module_file.h)
//   loader.cpp      finding, rebuilding and reading imported modules
//   session.cpp     the run's shared switches and the rebuild of stale imports
//   compiler.cpp    compiler object, scopes, look-ups
//   frame.cpp       outer level of a module, default sections, #CPP
//   build.cpp       bcc32/tlib/ilink32 runs
//   decl_*.cpp      DIM and type names, TYPE, CONST/ENUM, OPTION, USING/ALIAS/BUILTIN
//   expr_*.cpp      expressions, member access, containers, call arguments
//   stmt_*.cpp      statement loop and dispatcher, assignments, loops, I/O, TRY/SELECT
//   procedures.cpp  SUB and FUNCTION
//   class_*.cpp     DLL bindings, classes, properties, INITIALIZATION/FINALIZATION
//
// Errors are thrown values: a translator throws a message as a `const char*`
// or a std::string; `compiler::compile` turns it into a positioned
// parse_error; main prints it. Look-ups report "not there" by a null result
// (find_…) or by the message a user reads (require_…); the expression
// translator tells what an expression was by its result.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <map>
#include <set>
#include <vector>

// ---------------------------------------------------------------------------
// Version

const int version_major = 2;   // also the .kmd version bytes
const int version_minor = 0;
const int version_release = 1;

// ---------------------------------------------------------------------------
// Errors and internal signals

// The one error record that leaves a compilation.
struct parse_error {
    std::string message;
    std::string module;
    int line;
    int column;
};

// A build tool (bcc32, tlib, ilink32) exited with a failure status.
// Printed as "Error: <tool> failed"; passes nested compilations unchanged.
struct tool_failure {
    std::string tool;
};

// ---------------------------------------------------------------------------
// Utilities (util.cpp)

bool equal_nocase(const std::string& a, const std::string& b);   // ASCII only
bool equal_nocase(const std::string& a, const char* b);          // keywords: no temporary string
std::string strip_ext(const std::string& path);
std::string get_ext(const std::string& path);
std::string change_ext(const std::string& path, const std::string& ext);
std::string default_ext(const std::string& path, const std::string& ext);
bool file_exists(const std::string& path);
std::string float_to_str(float value);          // "%f"
std::string int_to_str(int32_t value);          // "%d"
std::string capitalize(const std::string& text);
std::string exe_path();

// Every file name that the compiler opens, writes, removes or hands to a
// tool goes through host_path: '\' becomes '/' and "nul" becomes /dev/null.
// The name is kept exactly, so that a file differing only in case (a user's
// hello.cpp beside Hello.kln) is never written over or removed.
std::string host_path(const std::string& path);

// The host path of a source or module file to read: the exact name if it
// exists, otherwise the first folder entry (in byte order) that equals it
// ignoring case, otherwise the exact name.
std::string find_module_file(const std::string& path);

// The generated C++ file. The translators write it in many short pieces;
// this stream gathers the whole text in memory, which costs a fraction of a
// file stream's work per piece, and close() writes it at once. open() only
// checks that the file can be written, and the destructor drops the text: a
// failed translation leaves an existing file as it was (such as the
// hand-written M.cpp of an INTERFACE NOSKIP module whose INTERFACE word is
// not the first token).
class output_file : public std::ostream {
public:
    output_file();
    ~output_file();
    void open(const std::string& path);   // sets failbit when the file cannot be created
    void close();                         // sets badbit when a write failed
private:
    class text_buffer;
    std::unique_ptr<text_buffer> buffer_;
};

// ---------------------------------------------------------------------------
// Lexer (lexer.cpp)

enum token_kind {
    end_of_statement = 1,
    identifier = 2,
    number = 3,
    string_or_directive = 4,   // a string literal with its quotes, or a '#' directive
    operator_token = 5,
    label = 6,
};

class lexer {
public:
    std::string text;          // the current token
    std::string line_text;     // filled by read_rest_of_line
    int kind = end_of_statement;
    // Where the current token began: the physical line and column. A line
    // end is on the line it ends; the end of input is where the text ends.
    int line = 1;
    int column = 1;

    explicit lexer(std::istream& input);
    void next_token();
    void read_rest_of_line();
    bool at_eof() const;

private:
    std::string source_;       // the whole input, read once
    size_t pos_ = 0;           // index of the current character
    int physical_line_ = 1;    // grows when an LF is consumed
    int running_column_ = 1;
    bool at_end_ = false;      // the current token is the end of input
    int current() const { return pos_ < source_.size() ? (unsigned char)source_[pos_] : -1; }
    void advance() { ++pos_; }
    void take_to(size_t end);  // append the characters up to index `end` to text
    template <class Accept> size_t span_end(size_t from, Accept accept) const;
    void read_token();
    void next_line();
    bool at_crlf() const;
    void continue_line();
    void read_directive();
    void read_identifier();
    void read_number();
    void read_hex_number();
    void read_string();
    void skip_block_comment();
    void rename_cpp_clash();
};

// Reserved words (lexer.cpp): the words of the language that no declared
// name may take.
bool is_reserved_word(const std::string& name);
void check_reserved_word(const std::string& name);   // throws "illegal use of reserved word '…' as identifier"

// ---------------------------------------------------------------------------
// Named lists: pointers in insertion order, searched from the back so that
// the innermost declaration wins. A null entry is a scope marker. A
// case-insensitive index keeps look-ups constant-time on large modules: it
// maps a name to its newest entry, and each entry links to the previous
// entry of the same name, which becomes visible again when it is removed.

struct nocase_hash {
    size_t operator()(const std::string& s) const {
        size_t h = 2166136261u;
        for (unsigned char c : s) h = (h ^ (c >= 'a' && c <= 'z' ? c - 32 : c)) * 16777619u;
        return h;
    }
};

struct nocase_equal {
    bool operator()(const std::string& a, const std::string& b) const { return equal_nocase(a, b); }
};

// Names ignoring case: the reserved and statement words, and the duplicate
// checks of name lists kept without a named_list (DIM groups, field groups,
// parameters), which stay linear on long lists.
using nocase_set = std::unordered_set<std::string, nocase_hash, nocase_equal>;
template <class T>
using nocase_map = std::unordered_map<std::string, T, nocase_hash, nocase_equal>;

template <class T>
class named_list {
public:
    using value_type = T*;

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    T* operator[](size_t i) const { return items_[i]; }
    typename std::vector<T*>::const_iterator begin() const { return items_.begin(); }
    typename std::vector<T*>::const_iterator end() const { return items_.end(); }
    T* back() const { return items_.back(); }
    void reserve(size_t n) { items_.reserve(n); previous_.reserve(n); index_.reserve(n); }

    void push_back(T* item) {
        long previous = -1;
        if (item) {
            auto inserted = index_.emplace(item->name, (long)items_.size());
            if (!inserted.second) {
                previous = inserted.first->second;
                inserted.first->second = (long)items_.size();
            }
        }
        items_.push_back(item);
        previous_.push_back(previous);
    }
    void push_marker() { push_back(nullptr); }

    // Removes entries up to and including the last marker.
    // Throws "internal error: scope underflow" when there is none.
    void pop_to_marker() {
        while (!items_.empty() && items_.back()) pop_back();
        if (items_.empty()) throw "internal error: scope underflow";
        pop_back();
    }
    void pop_back() {
        if (T* item = items_.back()) {
            auto it = index_.find(item->name);
            if (previous_.back() < 0) index_.erase(it);
            else it->second = previous_.back();
        }
        items_.pop_back();
        previous_.pop_back();
    }

    // The newest entry with that name (ignoring case), or null.
    T* find_raw(const std::string& name) const {
        auto it = index_.find(name);
        return it == index_.end() ? nullptr : items_[it->second];
    }

private:
    std::vector<T*> items_;
    std::vector<long> previous_;   // index of the previous entry of the same name, or -1
    nocase_map<long> index_;
};

// ---------------------------------------------------------------------------
// Symbols (symbols.cpp)

struct module;
struct compiler;
struct type_symbol;

enum symbol_kind {
    constant_kind = 1,
    type_kind = 2,
    variable_kind = 3,
    procedure_kind = 4,
    record_kind = 5,
    class_kind = 6,
    alias_kind = 7,
};

enum visibility_level {
    vis_local = 0,
    vis_private = 1,
    vis_protected = 2,
    vis_public = 3,
};

struct symbol {
    struct module* module = nullptr;   // the module it was read from; null for this module's own
    int kind;
    int visibility;
    std::string name;                  // as written (after the clash rename), with its suffix
    bool is_member = false;            // a record/class member: always spelled with its plain name

    symbol(int kind, std::string name, int visibility);
    virtual ~symbol() = default;

    virtual std::string cpp_name(bool qualified = true) const;   // name rule
    virtual void emit_declaration(std::ostream& out) const;      // declaration for importers
    virtual symbol* resolve() { return this; }
};

struct constant_symbol : symbol {
    std::string value;                 // decimal text, or a quoted literal as the lexer gives it
    bool is_string = false;

    constant_symbol(std::string name, int visibility);
    void emit_declaration(std::ostream& out) const override;
};

struct type_symbol : symbol {
    explicit type_symbol(std::string name, int kind = type_kind, int visibility = vis_public);
    std::string cpp_name(bool qualified = true) const override;  // type spelling table
    void emit_declaration(std::ostream&) const override {}
};

enum container_kind { no_container = 0, collection_container = 1, dictionary_container = 2 };

struct variable_symbol : symbol {
    type_symbol* type;
    int scope_level;
    int dimension_count = 0;           // static dimensions of a TYPE field
    int container = no_container;
    int fixed_length = 0;              // STRING * n field
    int dimensions[5] = {0, 0, 0, 0, 0};
    bool by_reference = false;
    bool is_array = false;
    bool has_getter = false;
    bool has_setter = false;
    std::string default_value;         // C++ text of an optional parameter's default

    variable_symbol(std::string name, int visibility, int scope_level, type_symbol* type);
    std::string type_text() const;     // kln::array<…> / kln::collection<…> / kln::ref<class …>
    void emit_declaration(std::ostream& out) const override;
};

struct procedure_symbol : symbol {
    type_symbol* result_type;          // null for a SUB
    std::vector<variable_symbol*> parameters;
    bool is_method;
    bool defined;
    bool c_linkage = false;
    bool generic = false;

    procedure_symbol(std::string name, int visibility, bool defined, bool is_method, type_symbol* result_type);
    void emit_declaration(std::ostream& out) const override;     // prototype
};

struct record_symbol : type_symbol {
    named_list<variable_symbol> fields;

    record_symbol(std::string name, int visibility);
    void emit_declaration(std::ostream& out) const override;     // struct
};

struct class_symbol : type_symbol {
    class_symbol* base_class;          // null only for OBJECT
    named_list<variable_symbol> data_members;   // fields, events, properties
    named_list<procedure_symbol> methods;

    class_symbol(std::string name, int visibility, class_symbol* base_class);
    void emit_declaration(std::ostream& out) const override;     // class
};

struct alias_symbol : symbol {
    symbol* target;
    bool refers_to_type;

    alias_symbol(std::string name, int visibility, symbol* target, bool refers_to_type);
    symbol* resolve() override { return target; }
};

bool is_class(const type_symbol* type);   // false for null

// C++ spellings of types. A class is held through its counted reference,
// "kln::ref<class X>"; the spellings differ only in the blanks that the
// generated text has always had.
std::string reference_type_text(const type_symbol* cls);
// A value of the type as declarations spell it: "kln::ref<class X>" for a class.
std::string value_type_text(const type_symbol* type);
// The type as a conversion head, a local or an accessor names it:
// "kln::ref<class X> " for a class, "" for none.
std::string conv_type_text(const type_symbol* type);
// An element type inside the dynamic array and the collection or
// dictionary that hold it: "kln::array<kln::collection<int> > ".
std::string container_type_text(const std::string& element, bool is_array, int container);
// A TYPE field's type: a class through its reference, STRING * n as "kln::flstring<n> ".
std::string record_field_type_text(const variable_symbol& field);
// A new object of a class: "kln::ref<class X>(new (class X))".
std::string new_object_text(const type_symbol* cls);
// The `me` of a method or property body: "kln::ref<class X> me(this, true);".
std::string me_declaration_text(const type_symbol* cls);

// True for the names of the built-in type spelling table (LONG, STRING,
// OBJECT, ...): a record or class of such a name would clash with it.
bool is_builtin_type_name(const std::string& name);

// The type name implied by a name's last character ($ STRING, % SHORT, ...).
std::string suffix_type_name(const symbol* s);

// Class member look-ups; null when nothing matches. `inherited` also
// searches the bases, nearest first.
variable_symbol* find_data_member(class_symbol* cls, const std::string& name);
procedure_symbol* find_method(class_symbol* cls, const std::string& name);
symbol* find_member(class_symbol* cls, const std::string& name, bool inherited);
// An own or inherited member; throws "undeclared identifier '…'".
symbol* require_member(class_symbol* cls, const std::string& name);
bool is_derived_from(const class_symbol* cls, const class_symbol* other);

// ---------------------------------------------------------------------------
// Modules: the module being translated and those it imports.

struct module {
    std::string name;
    std::string prefix;                // folder of the .kmd/.lib; empty = current folder
    named_list<symbol> types;
    named_list<symbol> identifiers;
    bool has_initialization = false;
    bool has_finalization = false;

    explicit module(std::string name) : name(std::move(name)) {}
};

// The newest entry of that name in a named list, aliases resolved, or null.
symbol* named_list_find(const named_list<symbol>& list, const std::string& name);

// Look-ups across the loaded modules (the importing module first, then the
// others in load order); null when nothing matches. A type is found in the
// module loaded first; an identifier in the importing module, then in the
// module loaded last. With `apistring`, STRING is read as APISTRING.
type_symbol* find_type_in(const std::vector<module*>& loaded, const std::string& name, bool apistring);
// The name a type look-up searches for: APISTRING for STRING under OPTION APISTRING.
const std::string& type_lookup_name(const std::string& name, bool apistring);
symbol* find_identifier_in(const std::vector<module*>& loaded, const std::string& name);
module* find_module_in(const std::vector<module*>& loaded, const std::string& name);

// The declarations that a module shows its importers, as C++ text: its
// namespace block in the importer's C++ file, and the -h header.
void emit_namespace_block(module& m, std::ostream& out);
void write_header(module& m, std::string file_name);

// ---------------------------------------------------------------------------
// The session: one run of kln, owned by the driver. It holds what the
// compilations of the run share: the module named on the command line and
// the imports whose stale module files it rebuilds (session.cpp).

struct session {
    std::string basedir;               // the tool chain's root, ending in '/'
    bool no_exceptions = false;        // -x: bcc32 gets "-x-"
    bool no_convert = false;           // -c: no kln::conv wrappers
    bool library_option = false;       // OPTION LIBRARY of the module being compiled: the build makes a library
    // The modules being compiled or loaded, outermost first: importing one
    // of them again is a circular reference.
    std::vector<std::string> modules_in_progress;

    // Compiles a module's source as a library with a compiler of its own and
    // builds it. The module keeps the given spelling, so that its .kmd, .lib
    // and namespace agree with the name its importer knows it by; its OPTION
    // LIBRARY stays with it.
    void rebuild(const std::string& name, bool debug);
};

// Loads the module `name` for the importing module loaded[0]: finds its
// module file, rebuilding it first when it is missing or older than its
// source, and reads it; before it, every module the file imports that is
// not loaded yet. Each module joins `loaded` when complete; returns the one
// asked for (loader.cpp).
module* load_module(const std::string& name, std::vector<module*>& loaded, bool apistring, bool debug,
                    session& run);

// ---------------------------------------------------------------------------
// DLL bindings: the LIB clause of a DECLARE read by the procedure translator.

struct lib_binding {
    bool active = false;
    std::string lib_expression;        // kln::string("user32")
    std::string entry_expression;      // "Alias" or kln::string("Name")
};

// ---------------------------------------------------------------------------
// Expressions: what a declaration or statement asks of one expression, and
// what the expression turned out to be.

struct expression_request {
    bool want_lvalue = false;      // one assignable operand: an assignment's target, or a call statement
    bool bare_lvalue = false;      // ... that nothing follows (SWAP, INPUT, BYREF arguments)
    bool want_array = false;       // one operand that is a whole dynamic array
    bool want_collection = false;  // one operand that is a whole container
    int wanted_container = no_container;   // with want_collection: only this kind (0 = either)
    module* first_module = nullptr;        // the first operand names a member of this module,
                                           // whose "Module." has already been read
};

// C++ binding levels of the binary operators an expression writes, from the
// tightest to the loosest.
enum cpp_level { no_operator = 0, multiplicative = 5, additive, shift, relational = 9, equality,
                 bit_and, bit_xor, bit_or, logical_and, logical_or };

struct expression {
    // A value; an assignable target (when one was asked for); or, where a
    // target was asked for, a call or another operand that is none, after
    // which the translation stopped.
    enum class form { value, target, call, not_target };
    form kind = form::value;
    type_symbol* type = nullptr;
    symbol* named = nullptr;       // what a target names: a variable, property or event
    int loosest = no_operator;     // the loosest binary operator outside parentheses
};

// ---------------------------------------------------------------------------
// The compiler object: one per module being translated.

struct compiler {
    std::ifstream input;
    output_file output;
    lexer lex;
    module this_module;
    session& run;                      // the run this compilation belongs to
    std::string resource_file;         // OPTION RESOURCE
    std::string line_buffer;           // last raw line of a #CPP block
    std::vector<module*> loaded_modules;       // entry 0 is &this_module
    std::vector<std::string> library_names;    // LIB expressions, first appearance, no duplicates
    std::map<std::string, bool> label_map;     // label → defined, for one procedure body
    class_symbol* current_class = nullptr;
    bool library = false;
    bool dll = false;
    bool abort_build = false;
    bool interface_module = false;     // INTERFACE: M.cpp is written by hand and never removed
    bool explicit_option = false;
    bool console = true;
    bool byref_default = false;
    bool apistring = false;
    bool debug = false;
    // The body being translated decides what EXIT SUB/FUNCTION/PROPERTY return
    // and whether that return is traced; see begin_body.
    enum body_kind { no_body, sub_body, function_body, property_get_body, property_set_body, section_body };
    int body = no_body;
    std::string body_result;           // PROPERTY GET: the local variable the body returns
    // (class, method) pairs whose `SUB Class.Member` body was translated: an
    // override shares the inherited symbol, so its `defined` byte cannot tell.
    std::set<std::pair<const symbol*, const symbol*>> defined_methods;
    int indent = 0;
    int scope_level = 0;
    int loop_depth = 0;

    // --- compiler.cpp: object, scopes, look-ups
    // Throws the open and illegal-name errors. The module takes the spelling
    // of its source file, unless `module_name` gives it (a rebuilt import
    // keeps the name its importer knows it by).
    compiler(const std::string& name, session& run, const std::string& module_name = "");
    ~compiler();
    void compile(bool library, bool debug);
    const std::string& indent_text() const;   // "\n" + one TAB per indent level
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
    bool is_word(const char* word) const { return lex.kind == identifier && equal_nocase(lex.text, word); }
    // The current token is the operator `op` (compared exactly).
    bool is_operator(const char* op) const {
        return lex.kind == operator_token && std::strcmp(lex.text.c_str(), op) == 0;
    }
    bool at_end_of_statement() const { return lex.kind == end_of_statement; }

    // --- frame.cpp: the outer level
    void translate_module();
    void translate_cpp_block();        // "#CPP" … "#KLN" verbatim text

    // --- build.cpp
    void build();

    // --- decl_dim.cpp: type names and DIM
    type_symbol* parse_typename();
    void translate_dim(int visibility);
    // --- decl_type.cpp
    void translate_type(int visibility);
    // --- decl_const.cpp
    std::string eval_constexpr(bool& is_string);
    void translate_const(int visibility);
    void translate_enum(int visibility);
    // --- decl_option.cpp
    void translate_option();
    // --- decl_using.cpp
    void translate_using();
    void translate_alias();
    void translate_builtin(int visibility);

    // --- expr_expression.cpp, expr_members.cpp, expr_containers.cpp, expr_call_args.cpp
    // The one entry of the expression translator: writes the expression's
    // C++ text to `out`. Asked for a target, it writes the target alone; the
    // statement writes the assignment around it.
    expression translate_expression(const expression_request& request, std::ostream& out);
    type_symbol* translate_call_args(procedure_symbol* procedure, bool statement_form, std::ostream& out);
    // Writes a value's text that stands beside a C++ operator of level
    // `beside`: in parentheses when its own loosest operator binds as loosely
    // or more loosely, so that C++ groups it as the source does.
    void write_value_beside(const std::string& text, const expression& value, int beside);
    // The text that steps an operand of type t by one: "++" or "--", but
    // " += 1" or " -= 1" for a BOOLEAN, on which C++17 has no ++ or --.
    static const char* step_by_one_text(const type_symbol* t, bool up);

    // --- stmt_block.cpp: block loop, dispatcher, END/#CPP/labels/GOTO/EXIT/SWAP/INCR/DECR
    bool translate_block();
    bool translate_statement();
    void translate_exit();
    void translate_swap();
    void translate_incr();
    void translate_decr();
    void translate_label();
    void translate_goto();
    // Per-body state of procedures, property bodies and sections: sets the
    // body kind (and the returned variable of a GET body) and clears the
    // label map; end_body reports the first label used but never defined.
    void begin_body(int kind, const std::string& result_variable = "");
    void end_body();
    // --- stmt_assign.cpp
    void translate_assignment();
    // --- stmt_loops.cpp
    void translate_if();
    void translate_while();
    void translate_do();
    void translate_for();
    void translate_for_each();
    // --- stmt_io.cpp
    void translate_print();
    void translate_input();
    void translate_line_input();
    void translate_redim();
    // --- stmt_exceptions.cpp
    void translate_try();
    void translate_throw();
    void translate_raise();
    void translate_select();

    // --- procedures.cpp
    void translate_procedure(int visibility, bool declaration, class_symbol* cls);
    // The members of the class and its bases, visible by their bare names in a body.
    void add_class_members_to_scope(class_symbol* cls, const symbol* except = nullptr);

    // --- class_dll.cpp: DECLARE … LIB
    // Current token LIB: reads the clause, records the library name.
    void translate_lib_clause(lib_binding& binding, const std::string& procedure_name, class_symbol* cls);
    // Writes the stub body that replaces the ";" of a LIB declaration.
    void emit_lib_stub(const procedure_symbol& procedure, const lib_binding& binding);
    // --- class_class.cpp
    void translate_class(int visibility);
    void translate_class_forward(int visibility);
    // At the end of the module: every forward-declared class was defined.
    void check_module_classes();
    // --- class_property.cpp
    void translate_property_member(int visibility, class_symbol* cls);
    void translate_property_body();
    // --- class_sections.cpp
    void translate_initialization();
    void translate_finalization();
    void emit_dll_loader();
    void emit_dll_unloader();

private:
    // `source` is the host path of the source file found, or "" for none.
    compiler(const std::string& source, const std::string& name, session& run,
             const std::string& module_name);
};
