// Kiln run-time core: the contract between the C++ that kln writes and the
// run-time objects (core, core_dev, stc, stc_dev, stw, stw_dev).
//
// Generated code sits inside namespace kln::<module> and names these types
// and functions unqualified or as kln::name. The header includes standard
// headers only: <windows.h> would rewrite Kiln identifiers with its macros.
// Nothing here changes layout under __KLN_DEBUG, so modules built with and
// without tracing link together.
#ifndef KLN_CORE_H
#define KLN_CORE_H

#include <cstddef>
#include <new>
#include <type_traits>
#include <typeinfo>

namespace kln {
using std::type_info;

class string;
class apistring;
class variant;
class object;
class iterator;
template<class T> class ref;
template<int n> struct flstring;

// ---------------------------------------------------------------------------
// Errors and memory

// Throws the run-time error `message` (a kln::string).
[[noreturn]] void __throw(const char* message);

// count * size zero-filled bytes; null when the heap fails.
void* new_zeroed(unsigned count, unsigned size);

// Throws the preallocated "out of memory" run-time error.
[[noreturn]] void __out_of_memory();

// Zero-filled bytes, or the "out of memory" run-time error; freed by __free.
void* __alloc_zeroed(std::size_t size);
void __free(void* p);

// END: thrown by `throw kln::end();`, caught by the start-up objects.
struct end {};

// ---------------------------------------------------------------------------
// string: one 32-bit handle. Below 0x10000 it is a raw value (a null text, a
// resource or ordinal number) held unchanged; otherwise it is the address of
// a block {int32 count, int32 length, text[length], 0}.

// The blocks of the last concatenation, whose reuse makes `s = s + x` cost
// the length of x (strings.cpp). A writable pointer handed out to either
// of them ends that reuse: it could change the text that reuse relies on.
extern char* __concat_result;
extern char* __concat_left;
extern bool __concat_left_spare;  // nobody holds __concat_left any more

class string {
public:
    string();
    string(const char* p);
    string(const char* bytes, int count);
    string(const string& s) noexcept : h(s.h) { retain(); }
    string(string&& s) noexcept : h(s.h) { s.h = nullptr; }
    // The release is out of line: every `const string N = "…";` of a module
    // registers its own destructor call at exit, and a release inlined in
    // each of them makes such a module slow to compile. Where g++ knows the
    // handle is raw (a string moved from), no call is left.
    ~string()
    {
        if (!(__builtin_constant_p(is_raw()) && is_raw())) release_handle(h);
    }

    string& operator=(const string& s) noexcept
    {
        s.retain();
        release();
        h = s.h;
        return *this;
    }
    string& operator=(string&& s) noexcept
    {
        if (this != __builtin_addressof(s)) {
            release();
            h = s.h;
            s.h = nullptr;
        }
        return *this;
    }
    string& operator+=(const string& s);
    string& operator+=(const char* p) { return *this += string(p); }
    template<class T> string& operator+=(const T& x);

    int length() const { return is_raw() ? 0 : header()[1]; }
    void alloc(int n);
    int compare(const string& other) const { return compare(*this, other); }
    static int compare(const string& a, const string& b);
    static string concat(const string& a, const string& b);

    // The text, writable (DLL buffers, #CPP code). A block shared with other
    // strings is first copied for this string alone, so a write through the
    // pointer changes no other variable. A raw value is returned unchanged.
    char* text() const
    {
        if (is_raw()) return h;
        if (header()[0] != 1 || h == __concat_result || h == __concat_left) make_writable();
        return bytes();
    }
    // The text, for reading only.
    const char* chars() const { return is_raw() ? h : bytes(); }
    explicit operator char*() const { return text(); }
    explicit operator void*() const { return text(); }
    char* operator&() const { return text(); }

    bool is_raw() const { return reinterpret_cast<std::size_t>(h) < 0x10000; }
    int refcount() const { return is_raw() ? 0 : header()[0]; }
    char* handle() const { return h; }
    // A string holding `handle` (a raw value or a block, which is counted).
    static string from_handle(char* handle)
    {
        string s(adopt_tag(), handle);
        s.retain();
        return s;
    }

private:
    struct adopt_tag {};
    string(adopt_tag, char* block) noexcept : h(block) {}
    int* header() const { return reinterpret_cast<int*>(h); }
    void retain() const noexcept
    {
        if (!is_raw()) ++header()[0];
    }
    // The left operand of the last concatenation becomes its spare inline:
    // `s = s + x` lets go of that block on every turn.
    void release() noexcept
    {
        if (is_raw() || --header()[0] != 0) return;
        if (h == __concat_left)
            __concat_left_spare = true;
        else
            free_block(h);
    }
    // The handle in a register: each destructor call of a constant is a jump.
    __attribute__((regparm(1))) static void release_handle(char* handle) noexcept;
    static void free_block(char* block) noexcept;
    static char* new_block(int length);
    static char* block_of_text(const char* p);
    static char* concatenated(const string& a, const string& b);
    void make_writable() const;
    void append(const string& s);
    char* bytes() const { return h + 2 * sizeof(int); }
    // Mutable: handing out a writable text may replace a shared block by a
    // private copy of the same text, which leaves the value unchanged.
    mutable char* h;
};

// ---------------------------------------------------------------------------
// apistring: one char*, a raw value or a privately owned NUL-terminated copy.

class apistring {
public:
    apistring();
    apistring(const char* p);
    apistring(const string& s);
    apistring(const variant& v);
    template<int n> apistring(const flstring<n>& f);
    apistring(const apistring& a);
    apistring(apistring&& a) noexcept : p(a.p) { a.p = nullptr; }
    ~apistring();

    apistring& operator=(const apistring& a);
    apistring& operator=(apistring&& a) noexcept;
    template<class T> apistring& operator+=(const T& x);

    operator string() const { return string(p); }
    int length() const;
    void alloc(int n);
    int compare(const apistring& other) const { return string::compare(*this, other); }

    char* text() const { return p; }
    explicit operator char*() const { return p; }
    explicit operator void*() const { return p; }
    char* operator&() const { return p; }

private:
    bool is_raw() const { return reinterpret_cast<std::size_t>(p) < 0x10000; }
    static char* copy_of(const char* bytes, int count);
    char* p;
};

// ---------------------------------------------------------------------------
// variant: {int32 kind; double number; string text}. kind 0 is a number,
// kind 1 a text. A number's text is made on first use (its "%.16g" form).

class variant {
public:
    variant() noexcept : kind(0), number(0), text(string::from_handle(nullptr)) {}
    variant(double d) noexcept : kind(0), number(d), text(string::from_handle(nullptr)) {}
    template<class N,
             class = typename std::enable_if<std::is_arithmetic<N>::value || std::is_enum<N>::value>::type>
    variant(N n) noexcept : variant(static_cast<double>(n))
    {
    }
    variant(const string& s);
    variant(const apistring& a) : variant(string(a)) {}
    variant(const char* p) : variant(string(p)) {}
    template<int n> variant(const flstring<n>& f) : variant(string(f)) {}
    variant(const variant& v) noexcept : kind(v.kind), number(v.number), text(v.text) {}
    variant(variant&& v) noexcept : kind(v.kind), number(v.number), text(static_cast<string&&>(v.text)) {}
    ~variant()
    {
        if (!text.is_raw()) text.~string();
    }

    variant& operator=(const variant& v) noexcept
    {
        kind = v.kind;
        number = v.number;
        text = v.text;
        return *this;
    }
    variant& operator=(variant&& v) noexcept
    {
        kind = v.kind;
        number = v.number;
        text = static_cast<string&&>(v.text);
        return *this;
    }

    operator double() const { return number; }
    operator string() const { return str(); }

    bool is_text() const { return kind == 1; }
    double num() const { return number; }
    const string& str() const;

    variant& operator++() { return *this = variant(number + 1); }
    variant& operator--() { return *this = variant(number - 1); }
    variant operator++(int)
    {
        variant old(*this);
        ++*this;
        return old;
    }
    variant operator--(int)
    {
        variant old(*this);
        --*this;
        return old;
    }
    template<class T> variant& operator+=(const T& x);
    template<class T> variant& operator-=(const T& x);
    template<class T> variant& operator*=(const T& x);
    template<class T> variant& operator/=(const T& x);

private:
    int kind;
    double number;
    // A union member, so that the destructor above skips a raw text (every
    // number holds one) inline, without a call into the string's release.
    union {
        mutable string text;
    };
};

// Reads the number grammar: leading blanks, sign, digits, fraction, exponent.
// Anything else gives 0.
double __parse_number(const char* text, int length);
inline double __parse_number(const string& s) { return __parse_number(s.chars(), s.length()); }
// The "%.16g" form of d.
string __format_number(double d);

// ---------------------------------------------------------------------------
// flstring<n>: exactly n bytes (alignment 1), mirroring CHAR[n] in records.
// A store truncates to n and zero-pads; a read runs to the first 0 or n.

template<int n> struct flstring {
    static_assert(n > 0, "a fixed-length string holds at least one byte");
    char data[n];

    flstring() : data() {}
    flstring(const string& s) { store(s); }
    flstring(const char* p) { store(string(p)); }
    flstring(const apistring& a) { store(string(a)); }
    flstring(const variant& v) { store(v.str()); }

    flstring& operator=(const string& s)
    {
        store(s);
        return *this;
    }
    flstring& operator=(const char* p)
    {
        store(string(p));
        return *this;
    }
    flstring& operator=(const apistring& a)
    {
        store(string(a));
        return *this;
    }
    flstring& operator=(const variant& v)
    {
        store(v.str());
        return *this;
    }
    template<int m> flstring& operator=(const flstring<m>& f)
    {
        store(string(f));
        return *this;
    }

    operator string() const
    {
        int length = 0;
        while (length < n && data[length] != 0) ++length;
        return string(data, length);
    }

private:
    void store(const string& s)
    {
        const char* source = s.chars();
        int count = s.length() < n ? s.length() : n;
        for (int i = 0; i < n; ++i) data[i] = i < count ? source[i] : 0;
    }
};

template<int n> apistring::apistring(const flstring<n>& f) : apistring(string(f)) {}

// ---------------------------------------------------------------------------
// Operand categories of the operators between Kiln values:
// 1 number, 2 text (string, apistring, flstring, C text), 3 variant.

template<class T> struct __category_of {
    static const int value = (std::is_arithmetic<T>::value || std::is_enum<T>::value) ? 1 : 0;
    static const bool is_kiln = false;
};
template<class T> struct __text_category {
    static const int value = 2;
    static const bool is_kiln = true;
};
template<> struct __category_of<string> : __text_category<string> {
};
template<> struct __category_of<apistring> : __text_category<apistring> {
};
template<int n> struct __category_of<flstring<n> > : __text_category<flstring<n> > {
};
template<> struct __category_of<char*> {
    static const int value = 2;
    static const bool is_kiln = false;
};
template<> struct __category_of<const char*> {
    static const int value = 2;
    static const bool is_kiln = false;
};
template<> struct __category_of<variant> {
    static const int value = 3;
    static const bool is_kiln = true;
};

template<class T> struct __category : __category_of<typename std::decay<T>::type> {
};

template<class A, class B> struct __mixed
    : std::integral_constant<bool, __category<A>::value != 0 && __category<B>::value != 0 &&
                                       (__category<A>::is_kiln || __category<B>::is_kiln)> {
};

template<class A, class R> using __if_kiln = typename std::enable_if<__category<A>::is_kiln, R>::type;
template<class A, class B, class R> using __if_mixed = typename std::enable_if<__mixed<A, B>::value, R>::type;

// The number of an operand: numbers themselves, a variant's number member,
// a text read with the number grammar.
template<class N> inline typename std::enable_if<__category<N>::value == 1, double>::type __num(const N& n)
{
    return static_cast<double>(n);
}
inline double __num(const variant& v) { return v.num(); }
inline double __num(const string& s) { return __parse_number(s); }
inline double __num(const apistring& a) { return __parse_number(string(a)); }
inline double __num(const char* p) { return __parse_number(string(p)); }
template<int n> inline double __num(const flstring<n>& f) { return __parse_number(string(f)); }

// The text of an operand: a number's "%.16g" form, a variant's text member.
// Strings and variants give a reference, valid for the full expression.
template<class N> inline typename std::enable_if<__category<N>::value == 1, string>::type __text(const N& n)
{
    return __format_number(static_cast<double>(n));
}
inline const string& __text(const variant& v) { return v.str(); }
inline const string& __text(const string& s) { return s; }
inline string __text(const apistring& a) { return string(a); }
inline string __text(const char* p) { return string(p); }
template<int n> inline string __text(const flstring<n>& f) { return string(f); }

// Whether the left operand decides for texts.
template<class N> inline bool __left_is_text(const N&) { return __category<N>::value == 2; }
inline bool __left_is_text(const variant& v) { return v.is_text(); }

// Wraps an int32 like a DWORD store: truncation toward zero, modulo 2^32.
unsigned __wrap32(double d);
inline int __to_int32(double d) { return static_cast<int>(__wrap32(d)); }
// MOD on int32 values; a zero divisor faults as "division by zero".
inline int __modulo(int a, int b) { return b == -1 ? 0 : a % b; }

// Ordering of two operands by the left-kind rule: -1, 0, 1, or 2 when the
// numbers are unordered (NaN).
int __compare_texts(const string& a, const string& b);
int __compare_numbers(double a, double b);
template<class A, class B> inline int __relate(const A& a, const B& b)
{
    if (__left_is_text(a)) return __compare_texts(__text(a), __text(b));
    return __compare_numbers(__num(a), __num(b));
}

template<class A, class B> inline __if_mixed<A, B, bool> operator==(const A& a, const B& b)
{
    return __relate(a, b) == 0;
}
template<class A, class B> inline __if_mixed<A, B, bool> operator!=(const A& a, const B& b)
{
    return __relate(a, b) != 0;
}
template<class A, class B> inline __if_mixed<A, B, bool> operator<(const A& a, const B& b)
{
    return __relate(a, b) == -1;
}
template<class A, class B> inline __if_mixed<A, B, bool> operator>(const A& a, const B& b)
{
    return __relate(a, b) == 1;
}
template<class A, class B> inline __if_mixed<A, B, bool> operator<=(const A& a, const B& b)
{
    int r = __relate(a, b);
    return r == -1 || r == 0;
}
template<class A, class B> inline __if_mixed<A, B, bool> operator>=(const A& a, const B& b)
{
    int r = __relate(a, b);
    return r == 1 || r == 0;
}

// Concatenation and addition. A number on the left adds inline; a text on
// the left concatenates out of line.
variant __plus_text(const variant& a, const variant& b);
variant __plus_text(const variant& a, const string& b);
variant __plus_text(const variant& a, double b);
inline variant __plus(const variant& a, const variant& b)
{
    return a.is_text() ? __plus_text(a, b) : variant(a.num() + b.num());
}
inline variant __plus(const variant& a, const string& b)
{
    return a.is_text() ? __plus_text(a, b) : variant(a.num() + __parse_number(b));
}
inline variant __plus(const variant& a, double b) { return a.is_text() ? __plus_text(a, b) : variant(a.num() + b); }
template<int L, int R> struct __pair {
};
template<class A, class B> inline string __add(const A& a, const B& b, __pair<2, 2>)
{
    return string::concat(__text(a), __text(b));
}
template<class A, class B> inline variant __add(const A& a, const B& b, __pair<2, 1>)
{
    return variant(string::concat(__text(a), __text(b)));
}
template<class A, class B> inline variant __add(const A& a, const B& b, __pair<2, 3>)
{
    return variant(string::concat(__text(a), __text(b)));
}
template<class A, class B, int R> inline variant __add(const A& a, const B& b, __pair<1, R>)
{
    return variant(__num(a) + __num(b));
}
template<class A, class B> inline variant __add(const A& a, const B& b, __pair<3, 3>) { return __plus(a, b); }
template<class A, class B> inline variant __add(const A& a, const B& b, __pair<3, 2>)
{
    return __plus(a, __text(b));
}
template<class A, class B> inline variant __add(const A& a, const B& b, __pair<3, 1>)
{
    return __plus(a, __num(b));
}

template<class A, class B> inline auto operator+(const A& a, const B& b)
    -> __if_mixed<A, B, decltype(__add(a, b, __pair<__category<A>::value, __category<B>::value>()))>
{
    return __add(a, b, __pair<__category<A>::value, __category<B>::value>());
}

// A temporary string on the left grows in place when nobody else holds it,
// so that a + b + c copies a only once.
template<class B>
inline typename std::enable_if<__category<B>::value == 2, string>::type operator+(string&& a, const B& b)
{
    a += __text(b);
    return static_cast<string&&>(a);
}

// Numeric operators on the number members; %, ^, &, | on int32 values.
template<class A, class B> inline __if_mixed<A, B, variant> operator-(const A& a, const B& b)
{
    return variant(__num(a) - __num(b));
}
template<class A, class B> inline __if_mixed<A, B, variant> operator*(const A& a, const B& b)
{
    return variant(__num(a) * __num(b));
}
template<class A, class B> inline __if_mixed<A, B, variant> operator/(const A& a, const B& b)
{
    return variant(__num(a) / __num(b));
}
template<class A, class B> inline __if_mixed<A, B, variant> operator%(const A& a, const B& b)
{
    return variant(__modulo(__to_int32(__num(a)), __to_int32(__num(b))));
}
template<class A, class B> inline __if_mixed<A, B, variant> operator^(const A& a, const B& b)
{
    return variant(__to_int32(__num(a)) ^ __to_int32(__num(b)));
}
template<class A, class B> inline __if_mixed<A, B, variant> operator&(const A& a, const B& b)
{
    return variant(__to_int32(__num(a)) & __to_int32(__num(b)));
}
template<class A, class B> inline __if_mixed<A, B, variant> operator|(const A& a, const B& b)
{
    return variant(__to_int32(__num(a)) | __to_int32(__num(b)));
}

// Logical operators with a text operand (variants and numbers use the
// built-in ones through the number conversion).
template<class A, class B> struct __with_text
    : std::integral_constant<bool, __mixed<A, B>::value &&
                                       (__category<A>::value == 2 || __category<B>::value == 2)> {
};
template<class A, class B>
inline typename std::enable_if<__with_text<A, B>::value, bool>::type operator&&(const A& a, const B& b)
{
    return __num(a) != 0 && __num(b) != 0;
}
template<class A, class B>
inline typename std::enable_if<__with_text<A, B>::value, bool>::type operator||(const A& a, const B& b)
{
    return __num(a) != 0 || __num(b) != 0;
}

// Prefix operators.
template<class A> inline __if_kiln<A, variant> operator-(const A& a) { return variant(-__num(a)); }
template<class A> inline __if_kiln<A, variant> operator+(const A& a) { return variant(__num(a)); }
template<class A> inline __if_kiln<A, bool> operator!(const A& a) { return __num(a) == 0; }
template<class A> inline __if_kiln<A, variant> operator~(const A& a)
{
    return variant(~__to_int32(__num(a)));
}

template<class T> inline string& string::operator+=(const T& x) { return *this = __text(*this + x); }
template<class T> inline apistring& apistring::operator+=(const T& x)
{
    return *this = apistring(__text(*this + x));
}
template<class T> inline variant& variant::operator+=(const T& x) { return *this = variant(*this + x); }
template<class T> inline variant& variant::operator-=(const T& x)
{
    return *this = variant(__num(*this) - __num(x));
}
template<class T> inline variant& variant::operator*=(const T& x)
{
    return *this = variant(__num(*this) * __num(x));
}
template<class T> inline variant& variant::operator/=(const T& x)
{
    return *this = variant(__num(*this) / __num(x));
}

// ---------------------------------------------------------------------------
// ref<T>: a counted reference {T* p; bool borrowed}. It can be declared,
// copied and destroyed while T is incomplete: it counts through the
// kln::object at offset 0 (single inheritance).

template<class T> class ref {
public:
    ref() noexcept : p(nullptr), borrowed(false) {}
    ref(T* target) noexcept;
    ref(T* target, bool borrow) noexcept;
    ref(const ref& r) noexcept;
    template<class U> ref(const ref<U>& r) noexcept;
    ~ref();

    ref& operator=(const ref& r) noexcept;
    template<class U> ref& operator=(const ref<U>& r) noexcept { return *this = ref(r); }

    T* operator->() const { return p; }
    T& operator*() const { return *p; }
    T* get() const { return p; }
    object* __object() const { return reinterpret_cast<object*>(p); }

    T* p;
    bool borrowed;
};

template<class T, class U> inline bool operator==(const ref<T>& a, const ref<U>& b)
{
    return a.__object() == b.__object();
}
template<class T, class U> inline bool operator!=(const ref<T>& a, const ref<U>& b)
{
    return a.__object() != b.__object();
}

// Runs Terminate() and frees `o` once its count has reached 0.
void __destroy(object* o);

// ---------------------------------------------------------------------------
// object: the root of every Kiln class. Its virtual members keep this order
// in every class's table; generated classes append theirs.

class object {
public:
    object(bool init = true) : __refcnt(0) { (void)init; }

    virtual bool __isbase(const type_info& ti) { return typeid(object) == ti; }
    virtual kln::string ClassName();
    virtual void __release(object* p, bool borrowed);
    virtual void __release2(object* p, bool borrowed);
    virtual void Initialize() {}
    virtual void Terminate() {}
    virtual void SaveToStream(kln::ref<object>) {}
    virtual void LoadFromStream(kln::ref<object>) {}
    virtual ~object() {}

    bool __isa(const type_info& ti) { return typeid(*this) == ti; }

    // Every object starts zero-filled; generated constructors initialise
    // only class-typed members.
    static void* operator new(std::size_t size) { return __alloc_zeroed(size); }
    static void operator delete(void* p);

    int __refcnt;
};

inline void __retain(object* o)
{
    if (o) ++o->__refcnt;
}
inline void __unref(object* o)
{
    if (o && --o->__refcnt == 0) __destroy(o);
}

template<class T> inline ref<T>::ref(T* target) noexcept : p(target), borrowed(false)
{
    __retain(__object());
}
template<class T> inline ref<T>::ref(T* target, bool borrow) noexcept : p(target), borrowed(borrow)
{
    if (!borrowed) __retain(__object());
}
template<class T> inline ref<T>::ref(const ref& r) noexcept : p(r.p), borrowed(false)
{
    __retain(__object());
}
template<class T> template<class U> inline ref<T>::ref(const ref<U>& r) noexcept : p(r.p), borrowed(false)
{
    __retain(__object());
}
template<class T> inline ref<T>::~ref()
{
    if (!borrowed) __unref(__object());
}
template<class T> inline ref<T>& ref<T>::operator=(const ref& r) noexcept
{
    object* old = borrowed ? nullptr : __object();
    __retain(r.__object());
    p = r.p;
    borrowed = false;
    __unref(old);
    return *this;
}

// ---------------------------------------------------------------------------
// Type records: one per class, registered in classlist by its constructor.

struct rtti {
    virtual string name() = 0;
    virtual ref<object> create() = 0;
    rtti* __next = nullptr;
};

struct classlist {
    static void add(rtti* record);
    static rtti* first();
    // The record whose name() equals `name` ignoring case, or null.
    static rtti* find(const string& name);
};

struct __rtti_object : rtti {
    __rtti_object();
    string name();
    ref<object> create();
};
extern struct __rtti_object __rtti_object;

// ---------------------------------------------------------------------------
// conv((T*)0, x): x converted to T. Numbers convert directly (truncation
// toward zero, 32-bit wrap for integer targets); texts read the number
// grammar; numbers become texts in their "%.16g" form.

[[noreturn]] void __type_mismatch();

template<class T> inline T __number_to(double d, std::true_type /*integral*/)
{
    return static_cast<T>(__wrap32(d));
}
template<class T> inline T __number_to(double d, std::false_type) { return static_cast<T>(d); }
template<class T> inline T __number_cast(double d) { return __number_to<T>(d, std::is_integral<T>()); }
template<> inline bool __number_cast<bool>(double d) { return d != 0; }

template<class T, class X> inline T __integer_cast(const X& x, std::true_type /*integral source*/)
{
    return static_cast<T>(x);
}
template<class T, class X> inline T __integer_cast(const X& x, std::false_type)
{
    return __number_cast<T>(static_cast<double>(x));
}

template<class T, class = void> struct __convert {
    template<class X, class = typename std::enable_if<std::is_convertible<const X&, T>::value>::type>
    static T from(const X& x)
    {
        return x;
    }
};

// Number targets (also enumerations).
template<class T> struct __convert<T, typename std::enable_if<std::is_arithmetic<T>::value>::type> {
    template<class X, class = typename std::enable_if<__category<X>::value == 1>::type>
    static T from(const X& x)
    {
        return __integer_cast<T>(x, std::integral_constant < bool,
                                 (std::is_integral<X>::value || std::is_enum<X>::value) &&
                                     !std::is_same<T, bool>::value && !std::is_enum<T>::value > ());
    }
    static T from(const variant& v) { return __number_cast<T>(v.num()); }
    static T from(const string& s) { return __number_cast<T>(__parse_number(s)); }
    static T from(const apistring& a) { return from(string(a)); }
    static T from(const char* p) { return from(string(p)); }
    template<int n> static T from(const flstring<n>& f) { return from(string(f)); }
};
template<class T> struct __convert<T, typename std::enable_if<std::is_enum<T>::value>::type> {
    template<class X> static auto from(const X& x) -> decltype(static_cast<T>(__convert<int>::from(x)))
    {
        return static_cast<T>(__convert<int>::from(x));
    }
};

template<> struct __convert<string> {
    template<class X, class = typename std::enable_if<__category<X>::value != 0>::type>
    static string from(const X& x)
    {
        return __text(x);
    }
};

template<> struct __convert<apistring> {
    static apistring from(const apistring& a) { return a; }
    template<class X, class = typename std::enable_if<__category<X>::value != 0>::type>
    static apistring from(const X& x)
    {
        return apistring(__text(x));
    }
};

template<> struct __convert<variant> {
    template<class X, class = typename std::enable_if<__category<X>::value != 0>::type>
    static variant from(const X& x)
    {
        return variant(x);
    }
};

template<int n> struct __convert<flstring<n> > {
    static flstring<n> from(const flstring<n>& f) { return f; }
    template<class X, class = typename std::enable_if<__category<X>::value != 0>::type>
    static flstring<n> from(const X& x)
    {
        return flstring<n>(__text(x));
    }
};

// References: down-casts are checked; a number 0 gives null.
template<class T> struct __convert<ref<T> > {
    template<class U> static ref<T> from(const ref<U>& r)
    {
        if (!r.p) return ref<T>();
        T* target = dynamic_cast<T*>(r.__object());
        if (!target) __type_mismatch();
        return ref<T>(target);
    }
    template<class X,
             class = typename std::enable_if<__category<X>::value == 1 || __category<X>::value == 3>::type>
    static ref<T> from(const X& x)
    {
        if (__category<X>::value == 3 && __left_is_text(x)) __type_mismatch();
        if (__num(x) != 0) __type_mismatch();
        return ref<T>();
    }
};

// ANY: pointers pass, numbers become addresses, texts give their pointer.
template<> struct __convert<void*> {
    static void* from(void* p) { return p; }
    static void* from(const void* p) { return const_cast<void*>(p); }
    template<class X,
             class = typename std::enable_if<__category<X>::value == 1 || __category<X>::value == 3>::type>
    static void* from(const X& x)
    {
        return reinterpret_cast<void*>(static_cast<std::size_t>(__wrap32(__num(x))));
    }
    static void* from(const string& s) { return s.text(); }
    static void* from(const apistring& a) { return a.text(); }
};

template<class T, class X> inline auto conv(T*, const X& x) -> decltype(__convert<T>::from(x))
{
    return __convert<T>::from(x);
}
// A temporary string (`s = s + x`) is passed on as itself: no second
// temporary is made, moved from and released. The result refers to the
// caller's temporary, which lives to the end of the full expression.
inline string&& conv(string*, string&& x) { return static_cast<string&&>(x); }
// Likewise a temporary variant (`x = x * 0.5 + 1`).
inline variant&& conv(variant*, variant&& x) { return static_cast<variant&&>(x); }

// ---------------------------------------------------------------------------
// event: one bound handler, an object (held uncounted) and one of its
// methods taking a reference to the handler's parameter class.

class event {
public:
    event() : target(nullptr), invoke(nullptr) {}

    template<class C, class B, class X> static event bind(C* instance, void (B::*handler)(ref<X>));
    void set(const event& e) { *this = e; }
    template<class C, class B, class X> void set(C* instance, void (B::*handler)(ref<X>))
    {
        *this = bind(instance, handler);
    }

    template<class A> void raise(const A& argument) { fire(conv((ref<object>*)0, argument)); }
    bool bound() const { return invoke != nullptr; }

private:
    typedef void (object::*any_method)(ref<object>);
    typedef void (*invoker)(void* target, const char* method, const ref<object>& argument);
    template<class B, class X>
    static void call(void* target, const char* method, const ref<object>& argument);
    void fire(const ref<object>& argument)
    {
        if (invoke) invoke(target, method, argument);
    }

    void* target;
    invoker invoke;
    char method[sizeof(any_method)];
};

template<class B, class X> void event::call(void* target, const char* method, const ref<object>& argument)
{
    void (B::*handler)(ref<X>);
    __builtin_memcpy(&handler, method, sizeof handler);
    ref<X> typed = conv((ref<X>*)0, argument);
    (static_cast<B*>(target)->*handler)(typed);
}

template<class C, class B, class X> event event::bind(C* instance, void (B::*handler)(ref<X>))
{
    static_assert(sizeof handler == sizeof(any_method), "member pointers share one size");
    event e;
    e.target = static_cast<B*>(instance);
    e.invoke = &event::call<B, X>;
    __builtin_memcpy(e.method, &handler, sizeof handler);
    return e;
}

template<class C, class B, class X> inline event conv(event*, C* instance, void (B::*handler)(ref<X>))
{
    return event::bind(instance, handler);
}

// ---------------------------------------------------------------------------
// Console print and input.

struct printer {
    printer& operator<<(const variant& v);
    printer& operator<<(const string& s);
    printer& operator<<(const apistring& a) { return *this << string(a); }
    printer& operator<<(const char* p) { return *this << string(p); }
    template<int n> printer& operator<<(const flstring<n>& f) { return *this << string(f); }
    template<class N, class = typename std::enable_if<__category<N>::value == 1>::type>
    printer& operator<<(N n)
    {
        return number(static_cast<double>(n));
    }
    printer& number(double d);
};
extern printer print;

struct reader {
    // One line of standard input converted to the target; at end of input
    // the target is left unchanged.
    template<class T> reader& operator>>(T& target)
    {
        string text;
        if (read_line(text)) target = conv((T*)0, text);
        return *this;
    }
    template<class T> void line(T& target) { *this >> target; }
    bool read_line(string& text);
};
extern reader input;

// ---------------------------------------------------------------------------
// Containers.

[[noreturn]] void __subscript_out_of_range();

// A growable sequence of T (the storage of arrays and containers).
template<class T> class __sequence {
public:
    __sequence() : items(nullptr), count(0), capacity(0) {}
    __sequence(const __sequence& other) : __sequence() { *this = other; }
    ~__sequence()
    {
        clear();
        __free(items);
    }

    __sequence& operator=(const __sequence& other)
    {
        if (this == &other) return *this;
        clear();
        reserve(other.count);
        for (int i = 0; i < other.count; ++i) push(other.items[i]);
        return *this;
    }

    int size() const { return count; }
    T& operator[](int i) { return items[i]; }
    const T& operator[](int i) const { return items[i]; }

    void push(const T& value) { insert(count, value); }
    void insert(int position, const T& value)
    {
        T copy(value);  // `value` may live in this sequence
        reserve(count + 1);
        new (items + count) T();
        for (int i = count; i > position; --i) items[i] = items[i - 1];
        items[position] = copy;
        ++count;
    }
    void erase(int position)
    {
        for (int i = position; i + 1 < count; ++i) items[i] = items[i + 1];
        items[--count].~T();
    }
    void clear()
    {
        while (count > 0) items[--count].~T();
    }
    void resize(int n)
    {
        clear();
        reserve(n);
        for (; count < n; ++count) new (items + count) T();
    }

private:
    void reserve(int n)
    {
        if (n <= capacity) return;
        int grown = capacity < 4 ? 4 : capacity > 0x3FFFFFFF ? 0x7FFFFFFF : capacity * 2;
        if (grown < n) grown = n;
        if (static_cast<std::size_t>(grown) > static_cast<std::size_t>(-1) / sizeof(T)) __out_of_memory();
        T* larger = static_cast<T*>(__alloc_zeroed(sizeof(T) * static_cast<std::size_t>(grown)));
        for (int i = 0; i < count; ++i) {
            new (larger + i) T(items[i]);
            items[i].~T();
        }
        __free(items);
        items = larger;
        capacity = grown;
    }
    T* items;
    int count, capacity;
};

// A store of the current element into a loop variable of any type, made by
// kln::ptr(v). It converts as conv does; a conversion that Kiln does not
// allow throws "type mismatch".
class __slot {
public:
    virtual void number(double d) const = 0;
    virtual void text(const string& s) const = 0;
    virtual void value(const variant& v) const = 0;
    virtual void reference(const ref<object>& r) const = 0;
    virtual void record(const void* p, const type_info& type) const = 0;

protected:
    ~__slot() {}
};

template<class V, class X> inline auto __store(V& target, const X& x, int) -> decltype(void(conv((V*)0, x)))
{
    target = conv((V*)0, x);
}
template<class V, class X> inline void __store(V&, const X&, long) { __type_mismatch(); }

template<class V> class __slot_of : public __slot {
public:
    explicit __slot_of(V& v) : target(__builtin_addressof(v)) {}
    void number(double d) const override { __store(*target, d, 0); }
    void text(const string& s) const override { __store(*target, s, 0); }
    void value(const variant& v) const override { __store(*target, v, 0); }
    void reference(const ref<object>& r) const override { __store(*target, r, 0); }
    void record(const void* p, const type_info& type) const override
    {
        copy_record(p, type, std::is_copy_assignable<V>());
    }

private:
    void copy_record(const void* p, const type_info& type, std::true_type) const
    {
        if (type != typeid(V)) __type_mismatch();
        *target = *static_cast<const V*>(p);
    }
    void copy_record(const void*, const type_info&, std::false_type) const { __type_mismatch(); }
    V* target;
};

template<class V> inline __slot_of<V> ptr(V& v) { return __slot_of<V>(v); }

// Hands one element to a slot by its category.
template<class E> inline void __put(const __slot& s, const E& e, std::integral_constant<int, 1>)
{
    s.number(static_cast<double>(e));
}
template<class E> inline void __put(const __slot& s, const E& e, std::integral_constant<int, 2>)
{
    s.text(__text(e));
}
template<class E> inline void __put(const __slot& s, const E& e, std::integral_constant<int, 3>)
{
    s.value(e);
}
template<class E> inline void __put(const __slot& s, const E& e, std::integral_constant<int, 0>)
{
    s.record(__builtin_addressof(e), typeid(E));
}
template<class E> inline void __put(const __slot& s, const E& e)
{
    __put(s, e, std::integral_constant<int, __category<E>::value>());
}
template<class T> inline void __put(const __slot& s, const ref<T>& r)
{
    s.reference(ref<object>(r.__object()));
}

// FOR EACH: made by iterate(), deleted by the generated loop.
class iterator {
public:
    virtual ~iterator() {}
    virtual bool next(const __slot& value) = 0;
    virtual bool next(string& key, const __slot& value) = 0;
    template<class K> bool next(K& key, const __slot& value)
    {
        string text;
        if (!next(text, value)) return false;
        key = conv((K*)0, text);
        return true;
    }
};

string __position_key(int position);

// Walks a container by position and stops at its current end.
template<class C> class __position_iterator : public iterator {
public:
    explicit __position_iterator(C& c) : container(c), position(0) {}
    bool next(const __slot& value) override
    {
        if (position >= container.__size()) return false;
        __put(value, container.__at(position++));
        return true;
    }
    bool next(string& key, const __slot& value) override
    {
        if (position >= container.__size()) return false;
        key = container.__key(position);
        __put(value, container.__at(position++));
        return true;
    }

private:
    C& container;
    int position;
};

template<class I> inline int __index(const I& i) { return conv((int*)0, i); }

// array<T>: up to four dimensions, each given as a pair of bounds (put in
// order, smaller first).
template<class T> class array {
public:
    array() : dimensions(0) {}
    template<class... B, class = typename std::enable_if<(sizeof...(B) > 0)>::type>
    explicit array(const B&... bounds) : dimensions(0)
    {
        redim(bounds...);
    }

    void redim()
    {
        elements.clear();
        dimensions = 0;
    }
    template<class... B> void redim(const B&... bounds)
    {
        static_assert(sizeof...(B) % 2 == 0 && sizeof...(B) <= 8, "one to four pairs of bounds");
        int values[] = {__index(bounds)...};
        const int count = static_cast<int>(sizeof...(B)) / 2;
        int low[count], size[count];
        long long total = 1;
        for (int d = 0; d < count; ++d) {
            long long a = values[2 * d], b = values[2 * d + 1];
            low[d] = static_cast<int>(a < b ? a : b);
            long long extent_d = (a < b ? b - a : a - b) + 1;
            if (extent_d > 0x7FFFFFFF || (total *= extent_d) > 0x7FFFFFFF) __out_of_memory();
            size[d] = static_cast<int>(extent_d);
        }
        // Without elements the array has no dimensions, also when making
        // them fails, so that no index reaches past the elements.
        dimensions = 0;
        elements.resize(static_cast<int>(total));
        for (int d = 0; d < count; ++d) {
            lower[d] = low[d];
            extent[d] = size[d];
        }
        dimensions = count;
    }

    array& operator()() { return *this; }
    template<class... I> T& operator()(const I&... indices)
    {
        int values[] = {__index(indices)...};
        return elements[offset(values, static_cast<int>(sizeof...(I)))];
    }

    int lbound(int dimension = 1) const
    {
        check_dimension(dimension);
        return lower[dimension - 1];
    }
    int ubound(int dimension = 1) const
    {
        check_dimension(dimension);
        return lower[dimension - 1] + extent[dimension - 1] - 1;
    }
    iterator* iterate() { return new __position_iterator<array>(*this); }

    int __size() const { return elements.size(); }
    T& __at(int position) { return elements[position]; }
    string __key(int position) const { return __position_key(position); }

private:
    int offset(const int* indices, int count) const
    {
        if (count != dimensions) __subscript_out_of_range();
        int position = 0;
        for (int d = 0; d < count; ++d) {
            int i = indices[d] - lower[d];
            if (i < 0 || i >= extent[d]) __subscript_out_of_range();
            position = position * extent[d] + i;
        }
        return position;
    }
    void check_dimension(int dimension) const
    {
        if (dimension < 1 || dimension > dimensions) __subscript_out_of_range();
    }

    __sequence<T> elements;
    int dimensions;
    int lower[4];
    int extent[4];
};

template<class T> inline int lbound(array<T>& a, int dimension = 1) { return a.lbound(dimension); }
template<class T> inline int ubound(array<T>& a, int dimension = 1) { return a.ubound(dimension); }

// Equality of elements for removeitem: references by identity.
template<class T> inline bool __same(const T& a, const T& b) { return a == b; }
template<class T> inline bool __same(const ref<T>& a, const ref<T>& b)
{
    return a.__object() == b.__object();
}

// collection<T>: positions count from 0.
template<class T> class collection {
public:
    void add(const T& value) { elements.push(value); }
    template<class I> void add(const T& value, const I& position)
    {
        int i = __index(position);
        if (i < 0 || i > elements.size()) __subscript_out_of_range();
        elements.insert(i, value);
    }
    template<class I> void remove(const I& position) { elements.erase(checked(__index(position))); }
    void removeitem(const T& value)
    {
        for (int i = 0; i < elements.size(); ++i)
            if (__same(elements[i], value)) {
                elements.erase(i);
                return;
            }
    }
    int length() const { return elements.size(); }
    void clear() { elements.clear(); }
    template<class I> T& operator()(const I& position) { return elements[checked(__index(position))]; }
    iterator* iterate() { return new __position_iterator<collection>(*this); }

    int __size() const { return elements.size(); }
    T& __at(int position) { return elements[position]; }
    string __key(int position) const { return __position_key(position); }

private:
    int checked(int i) const
    {
        if (i < 0 || i >= elements.size()) __subscript_out_of_range();
        return i;
    }
    __sequence<T> elements;
};

// The positions of a dictionary's keys, hashed (keys compare byte-exact).
// Appended keys are indexed on the next look-up.
class __key_index {
public:
    __key_index() : slots(nullptr), capacity(0), indexed(0) {}
    __key_index(const __key_index&) : __key_index() {}
    __key_index& operator=(const __key_index&)
    {
        invalidate();
        return *this;
    }
    ~__key_index() { __free(slots); }

    // Position of `key` among `keys`, or -1.
    int find(const __sequence<string>& keys, const string& key);
    // The key at `position` has been removed from `keys`.
    void erased(const __sequence<string>& keys, int position);
    void invalidate()
    {
        indexed = 0;
        capacity = 0;
        __free(slots);
        slots = nullptr;
    }

private:
    void catch_up(const __sequence<string>& keys);
    void insert(const __sequence<string>& keys, int position);
    int* slots;  // positions; -1 is free
    int capacity;
    int indexed;  // keys[0, indexed) are in slots
};

// A copy of the text of `s` in a block of its own (a raw value stays as it
// is). A dictionary keeps its keys so: a key that shared its block with a
// variable would change, behind the key index, when that variable's text is
// written through its pointer (a buffer handed to a DLL).
inline string __own_copy(const string& s) { return s.is_raw() ? s : string(s.chars(), s.length()); }

// dictionary<T>: string keys, byte-exact, iterated in insertion order.
template<class T> class dictionary {
public:
    template<class K> bool contains(const K& key) const
    {
        return index.find(keys, conv((string*)0, key)) >= 0;
    }
    template<class K> void remove(const K& key)
    {
        int i = index.find(keys, conv((string*)0, key));
        if (i >= 0) erase(i);
    }
    void removeitem(const T& value)
    {
        for (int i = 0; i < values.size(); ++i)
            if (__same(values[i], value)) {
                erase(i);
                return;
            }
    }
    int length() const { return keys.size(); }
    void clear()
    {
        keys.clear();
        values.clear();
        index.invalidate();
    }
    // A missing key is added with a default element.
    template<class K> T& operator()(const K& key)
    {
        string k = conv((string*)0, key);
        int i = index.find(keys, k);
        if (i < 0) i = append(k);
        return values[i];
    }
    iterator* iterate() { return new __position_iterator<dictionary>(*this); }

    int __size() const { return keys.size(); }
    T& __at(int position) { return values[position]; }
    string __key(int position) const { return __own_copy(keys[position]); }

private:
    void erase(int i)
    {
        keys.erase(i);
        values.erase(i);
        index.erased(keys, i);
    }
    // A new entry with a default element; nothing is added when that fails.
    int append(const string& key)
    {
        values.push(T());
        try {
            keys.push(__own_copy(key));
        } catch (...) {
            values.erase(values.size() - 1);
            throw;
        }
        return keys.size() - 1;
    }
    __sequence<string> keys;
    __sequence<T> values;
    mutable __key_index index;
};

// SWAP for every type.
template<class T> inline void swap(T& a, T& b)
{
    T t(a);
    a = b;
    b = t;
}

// ---------------------------------------------------------------------------
// DLL binding. Names go out as text pointers (a raw name is an ordinal).

void loadlib(kln::string name);
void unloadlibs();
void* getlibhandle(kln::string name);
void* getprocaddr(void* library, kln::string name);
// Releases the loaded libraries once; called by the start-up objects.
void __release_libs();
// A binding's stub found no entry point: throws the run-time error naming
// the library (when `library` is null) or the entry.
[[noreturn]] void __missing_entry(void* library, const kln::string& library_name, const kln::string& entry);

// EXPORTed procedures of a DLL (the DLL start-up object). Every exported
// entry runs its procedure through __run_export: the DLL's modules are
// initialised first (once, on the first call of any entry), the call runs
// under the fault guard, and an error that leaves it ends the process with
// the fatal report.
void __export_call(void (*call)(void*), void* context);
template<class F> inline void __run_export(F call)
{
    __export_call([](void* f) { (*static_cast<F*>(f))(); }, &call);
}
// The texts that one exported entry returns: each thread's last one stays
// valid until that thread calls the entry again (or the DLL is unloaded).
class __export_text {
public:
    __export_text();
    // Keeps `s` for this thread; its text, "" for an empty value.
    const char* keep(const kln::string& s) const;

private:
    int slot;
};

// ---------------------------------------------------------------------------
// Tracing (active in core_dev, no-ops in core).

void dbg_func(const char* name);
void dbg_endfunc();
void dbg_line(int line);
int dbg_savefunc();
void dbg_unwind(int depth);

// ---------------------------------------------------------------------------
// Names used by library code.

// Reports a run-time error through the start-up object's report and ends
// the process (without one, as a windowed program does).
[[noreturn]] void __fatal(const kln::string& message);
// Set when a fatal report begins.
extern bool __fatal_active;
// END outside the entry: exit(0).
[[noreturn]] void __end_program();
// Ends the program like an unhandled foreign exception (exit code 3).
[[noreturn]] void __unhandled();
// Calls the __stdcall procedure at `address` with args[0..count-1] and
// restores the stack pointer afterwards, whatever the callee popped.
int __call_proc(int address, int count, const int* args);
// Calls the handler at `address` with a counted reference to `e`.
void __call_event(int address, kln::ref<kln::object> e);

}  // namespace kln

#endif
