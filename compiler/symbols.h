// symbols.h: named lists, the seven symbol kinds, the module records, the
// C++ spelling of types and the look-ups in symbol lists (symbols.cpp).
#pragma once

#include "util.h"

namespace kiln {

// ---------------------------------------------------------------------------
// Named lists: pointers in insertion order, searched from the back so that
// the innermost declaration wins. A null entry is a scope marker. Short
// lists (the fields of a record) are searched from the back; longer ones
// keep a case-insensitive index that maps a name to its newest entry, and
// each entry links to the previous entry of the same name, which becomes
// visible again when it is removed. The index is an open-addressing table
// of (hash, entry) slots that keeps no copy of the names.

template<class T> class named_list {
public:
    using value_type = T*;

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    T* operator[](size_t i) const { return items_[i]; }
    typename std::vector<T*>::const_iterator begin() const { return items_.begin(); }
    typename std::vector<T*>::const_iterator end() const { return items_.end(); }
    T* back() const { return items_.back(); }
    void reserve(size_t n)
    {
        items_.reserve(n);
        previous_.reserve(n);
        if (n > linear_limit) resize_index(n);
    }

    void push_back(T* item)
    {
        items_.push_back(item);
        previous_.push_back(-1);
        if (!slots_.empty()) {
            if (item) index(items_.size() - 1, nocase_hash_of(item->name));
        } else if (items_.size() > linear_limit) {
            resize_index(items_.size());
        }
    }
    void push_marker() { push_back(nullptr); }

    // Removes entries up to and including the last marker.
    // Throws "internal error: scope underflow" when there is none.
    void pop_to_marker()
    {
        while (!items_.empty() && items_.back()) pop_back();
        if (items_.empty()) throw "internal error: scope underflow";
        pop_back();
    }
    void pop_back()
    {
        if (T* item = items_.back(); item && !slots_.empty()) {
            size_t slot = find_slot(item->name, nocase_hash_of(item->name));
            if (previous_.back() < 0)
                erase_slot(slot);
            else
                slots_[slot].entry = int32_t(previous_.back());
        }
        items_.pop_back();
        previous_.pop_back();
    }

    // The newest entry with that name (ignoring case), or null. `hash` is
    // nocase_hash_of(name), for a caller that searches several lists.
    T* find_raw(const std::string& name) const { return find_raw(name, nocase_hash_of(name)); }
    T* find_raw(const std::string& name, uint32_t hash) const
    {
        if (slots_.empty()) {
            for (size_t i = items_.size(); i-- > 0;)
                if (items_[i] && equal_nocase(items_[i]->name, name)) return items_[i];
            return nullptr;
        }
        size_t slot = find_slot(name, hash);
        return slots_[slot].entry < 0 ? nullptr : items_[size_t(slots_[slot].entry)];
    }

private:
    static const size_t linear_limit = 8;  // lists up to this length have no index
    struct slot {
        uint32_t hash;
        int32_t entry;  // index in items_, or -1 for an empty slot
    };

    // The slot of that name, or the empty slot where it would go.
    size_t find_slot(const std::string& name, uint32_t hash) const
    {
        size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const slot& s = slots_[i];
            if (s.entry < 0 || (s.hash == hash && equal_nocase(items_[size_t(s.entry)]->name, name))) return i;
        }
    }

    // Makes entry `position` the newest of its name.
    void index(size_t position, uint32_t hash)
    {
        if (2 * (used_ + 1) > slots_.size()) return resize_index(used_ + 1);  // indexes this entry too
        size_t i = find_slot(items_[position]->name, hash);
        if (slots_[i].entry >= 0) {
            previous_[position] = slots_[i].entry;
        } else {
            ++used_;
            slots_[i].hash = hash;
        }
        slots_[i].entry = int32_t(position);
    }

    // Empties a slot; the slots after it in its run move back where their
    // probe allows, so that no search stops early.
    void erase_slot(size_t hole)
    {
        size_t mask = slots_.size() - 1;
        for (size_t i = (hole + 1) & mask; slots_[i].entry >= 0; i = (i + 1) & mask) {
            size_t home = slots_[i].hash & mask;
            bool reachable = hole <= i ? (home <= hole || home > i) : (home <= hole && home > i);
            if (reachable) {
                slots_[hole] = slots_[i];
                hole = i;
            }
        }
        slots_[hole].entry = -1;
        --used_;
    }

    // Rebuilds the index for at least `count` names, at most half full.
    void resize_index(size_t count)
    {
        size_t size = 16;
        while (size < 2 * count) size *= 2;
        if (size <= slots_.size()) return;
        slots_.assign(size, slot{0, -1});
        used_ = 0;
        for (size_t i = 0; i < items_.size(); ++i) {
            previous_[i] = -1;
            if (items_[i]) index(i, nocase_hash_of(items_[i]->name));
        }
    }

    std::vector<T*> items_;
    std::vector<int32_t> previous_;  // index of the previous entry of the same name, or -1
    std::vector<slot> slots_;     // empty while the list is short; a power of two in size
    size_t used_ = 0;             // slots in use
};

// ---------------------------------------------------------------------------
// Symbols (symbols.cpp)

struct module;
struct compiler;
struct type_symbol;

// The kinds' numbers are their kind bytes in module files.
enum class symbol_kind {
    constant = 1,
    type = 2,
    variable = 3,
    procedure = 4,
    record = 5,
    class_ = 6,
    alias = 7,
};

// Ordered: a declaration may use only types at least as visible as itself.
// The fixed underlying type keeps any byte of a damaged module file a value.
enum visibility_level : int {
    vis_local = 0,
    vis_private = 1,
    vis_protected = 2,
    vis_public = 3,
};

struct symbol {
    struct module* module = nullptr;  // the module it was read from; null for this module's own
    symbol_kind kind;
    visibility_level visibility;
    std::string name;        // as written (after the clash rename), with its suffix
    bool is_member = false;  // a record/class member: always spelled with its plain name

    symbol(symbol_kind kind, std::string name, visibility_level visibility);
    virtual ~symbol() = default;

    virtual std::string cpp_name(bool qualified = true) const;  // name rule
    virtual void emit_declaration(std::ostream& out) const;     // declaration for importers
    virtual symbol* resolve() { return this; }
};

struct constant_symbol : symbol {
    std::string value;  // decimal text, or a quoted literal as the lexer gives it
    bool is_string = false;

    constant_symbol(std::string name, visibility_level visibility);
    void emit_declaration(std::ostream& out) const override;
};

struct type_symbol : symbol {
    explicit type_symbol(std::string name, symbol_kind kind = symbol_kind::type,
                         visibility_level visibility = vis_public);
    std::string cpp_name(bool qualified = true) const override;  // type spelling table
    void emit_declaration(std::ostream&) const override {}

private:
    const std::string* builtin_spelling_;  // the table's spelling of the name, or null
};

// What holds a variable's values: nothing, a collection or a dictionary
// (the numbers are the module file's bytes).
enum class container_kind { none = 0, collection = 1, dictionary = 2 };

struct variable_symbol : symbol {
    type_symbol* type;
    int scope_level;
    int dimension_count = 0;  // static dimensions of a TYPE field
    container_kind container = container_kind::none;
    int fixed_length = 0;  // STRING * n field
    int dimensions[5] = {0, 0, 0, 0, 0};
    bool by_reference = false;
    bool is_array = false;
    bool has_getter = false;
    bool has_setter = false;
    std::string default_value;  // C++ text of an optional parameter's default

    variable_symbol(std::string name, visibility_level visibility, int scope_level, type_symbol* type);
    std::string type_text() const;  // kln::array<…> / kln::collection<…> / kln::ref<class …>
    void emit_declaration(std::ostream& out) const override;
};

struct procedure_symbol : symbol {
    type_symbol* result_type;  // null for a SUB
    std::vector<variable_symbol*> parameters;
    bool is_method;
    bool defined;
    bool c_linkage = false;
    bool generic = false;
    bool exported = false;  // its exported entry is written (EXPORT)

    procedure_symbol(std::string name, visibility_level visibility, bool defined, bool is_method,
                     type_symbol* result_type);
    void emit_declaration(std::ostream& out) const override;  // prototype
};

struct record_symbol : type_symbol {
    named_list<variable_symbol> fields;

    record_symbol(std::string name, visibility_level visibility);
    void emit_declaration(std::ostream& out) const override;  // struct
};

struct class_symbol : type_symbol {
    class_symbol* base_class;                  // null only for OBJECT
    named_list<variable_symbol> data_members;  // fields, events, properties
    named_list<procedure_symbol> methods;

    class_symbol(std::string name, visibility_level visibility, class_symbol* base_class);
    void emit_declaration(std::ostream& out) const override;  // class
};

struct alias_symbol : symbol {
    symbol* target;
    bool refers_to_type;

    alias_symbol(std::string name, visibility_level visibility, symbol* target, bool refers_to_type);
    symbol* resolve() override { return target; }
};

bool is_class(const type_symbol* type);  // false for null
bool is_text_type(const type_symbol* type);  // STRING or APISTRING (fixed lengths too); false for null

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
std::string container_type_text(const std::string& element, bool is_array, container_kind container);
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
    std::string prefix;  // folder of the .kmd/.lib; empty = current folder
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
// Inline: every name a module mentions goes through them.
// The name a type look-up searches for: APISTRING for STRING under OPTION APISTRING.
inline const std::string& type_lookup_name(const std::string& name, bool apistring)
{
    static const std::string apistring_name = "APISTRING";
    return apistring && equal_nocase(name, "STRING") ? apistring_name : name;
}

inline type_symbol* find_type_in(const std::vector<module*>& loaded, const std::string& name, bool apistring)
{
    const std::string& key = type_lookup_name(name, apistring);
    uint32_t hash = nocase_hash_of(key);
    for (module* m : loaded)
        if (symbol* s = m->types.find_raw(key, hash)) return static_cast<type_symbol*>(s->resolve());
    return nullptr;
}

inline symbol* find_identifier_in(const std::vector<module*>& loaded, const std::string& name)
{
    uint32_t hash = nocase_hash_of(name);
    if (symbol* s = loaded[0]->identifiers.find_raw(name, hash)) return s->resolve();
    for (size_t i = loaded.size(); i-- > 1;)
        if (symbol* s = loaded[i]->identifiers.find_raw(name, hash)) return s->resolve();
    return nullptr;
}

module* find_module_in(const std::vector<module*>& loaded, const std::string& name);

// The declarations that a module shows its importers, as C++ text: its
// namespace block in the importer's C++ file, and the -h header.
void emit_namespace_block(module& m, std::ostream& out);
void write_header(module& m, std::string file_name);

}  // namespace kiln
