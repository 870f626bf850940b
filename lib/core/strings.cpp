// kln::string and kln::apistring.
#include "runtime.h"

#include <stdlib.h>
#include <string.h>

namespace kln {
namespace {
const int header_size = 2 * sizeof(int);
const int longest_text = 0x7FFFFFF0 - header_size;

// What a block of a text of `length` bytes holds: header, text, terminator.
std::size_t block_bytes(int length) { return header_size + static_cast<std::size_t>(length) + 1; }

// Whether a block of `bytes` holds `new_bytes` without a resize: no fewer
// bytes (a shorter text may belong to a smaller class) and within its class.
inline bool grows_in_class(std::size_t bytes, std::size_t new_bytes)
{
    return new_bytes >= bytes && new_bytes <= __block_class(bytes);
}

// The length of a concatenation; too long a text is out of memory.
int joined_length(int a, int b)
{
    if (b > longest_text - a) __out_of_memory();
    return a + b;
}

// The length of a text up to its first 0 byte, without a library call for
// the short texts that dominate (literals).
int text_length(const char* p)
{
    for (int n = 0; n < 16; ++n)
        if (p[n] == 0) return n;
    return 16 + static_cast<int>(strlen(p + 16));
}

// Copies short texts inline: a library call costs more than the copy.
void copy_bytes(char* to, const char* from, int count)
{
    if (count > 16) {
        memcpy(to, from, count);
        return;
    }
    for (int i = 0; i < count; ++i) to[i] = from[i];
}

int raw_safe_length(const char* p)
{
    return reinterpret_cast<std::size_t>(p) < 0x10000 ? 0 : static_cast<int>(strlen(p));
}
}  // namespace

// ---------------------------------------------------------------------------
// The memory of the last concatenation r = a + b, which turns the loop
// `s = s + x` from quadratic into linear time without changing any value.
//
// After `s = s + x`, s holds r and lets go of a's block; that block is kept
// as the spare, because its text still begins with the first length(a)
// bytes of r's. The next concatenation onto r then extends the spare by
// what r holds beyond that prefix plus the new right operand, instead of
// copying all of r: a block nobody else can see is as fresh as a new one.
//
// The memory ends when r is freed, when a writable pointer to either block
// is handed out (string::text; a shared block is copied for the writer
// instead, so it stays), and when another concatenation replaces it.
// Growth in place (+=) writes only beyond a block's length, so it never
// changes the remembered prefix; a block that moves is followed.
//
// Only a left operand that was itself the remembered result is kept: r is
// made here, and a text pointer to it would have ended the memory. Any other
// block may have handed out its text pointer earlier, to be written later.

char* __concat_result;
char* __concat_left;
bool __concat_left_spare;

namespace {
int left_length;  // r's text begins with the first left_length bytes of left's

void free_spare()
{
    if (__concat_left_spare)
        __block_free(__concat_left, block_bytes(reinterpret_cast<int*>(__concat_left)[1]));
}

void forget_blocks()
{
    __concat_result = nullptr;
    __concat_left = nullptr;
    __concat_left_spare = false;
}

void forget_concat()
{
    free_spare();
    forget_blocks();
}

// Remembers that the text of `result` begins with the first `length` bytes
// of the text of `left` (null when left cannot be kept).
void remember_concat(char* result, char* left, int length)
{
    free_spare();
    __concat_result = result;
    __concat_left = left;
    left_length = length;
    __concat_left_spare = false;
}

// For a concatenation onto `left`: the spare block, whose text is the first
// `*prefix` bytes of left's, or null. The caller owns the block.
char* take_spare(const char* left, int* prefix)
{
    if (left != __concat_result || !__concat_left_spare) return nullptr;
    char* spare = __concat_left;
    *prefix = left_length;
    forget_blocks();
    return spare;
}

// A block whose count reached 0: whether the memory keeps it as the spare.
bool keeps_block(char* block)
{
    if (block == __concat_result) {
        forget_concat();
        return false;
    }
    if (block != __concat_left || __concat_left_spare) return false;
    __concat_left_spare = true;
    return true;
}

void block_moved(char* from, char* to)
{
    if (from == __concat_result) __concat_result = to;
    if (from == __concat_left) __concat_left = to;
}
}  // namespace

// ---------------------------------------------------------------------------
// The block of the last string made from a text pointer (a literal), kept
// when its count reaches 0: the same literal is usually made again at once
// (`s += "x"` in a loop), and taking the kept block back costs a comparison
// instead of an allocation, a copy and a release. Only a block that nobody
// holds is taken back, so every string made from a text still owns a fresh
// block of count 1. The text is compared on every reuse: the pointer may be
// a buffer whose content changed, and the block's own text may have been
// written through its pointer.

namespace {
const char* literal_source;
char* literal_block;  // made from literal_source; null when there is none
bool literal_kept;    // literal_block's count is 0 and nobody holds it

// Whether the text at `p` is exactly the `length` bytes at `text`, which
// are followed by a 0 byte (a 0 byte among them ends p too early). Reads
// neither text beyond its terminator.
inline __attribute__((always_inline)) bool same_text(const char* p, const char* text, int length)
{
    for (int i = 0; p[i] == text[i]; ++i)
        if (p[i] == 0) return i == length;
    return false;
}

// The kept block of the text at `p`, counted again, or null.
inline __attribute__((always_inline)) char* reuse_literal(const char* p)
{
    if (p != literal_source || !literal_kept) return nullptr;
    int* header = reinterpret_cast<int*>(literal_block);
    if (!same_text(p, literal_block + header_size, header[1])) return nullptr;
    header[0] = 1;
    literal_kept = false;
    return literal_block;
}

void free_kept_literal()
{
    if (literal_kept) __block_free(literal_block, block_bytes(reinterpret_cast<int*>(literal_block)[1]));
    literal_kept = false;
}

void remember_literal(const char* p, char* block)
{
    free_kept_literal();
    literal_source = p;
    literal_block = block;
}

// A block whose text or storage changes in place is no literal any more.
void forget_literal(char* block)
{
    if (block == literal_block) literal_block = nullptr;
}

// A block whose count reached 0: whether it is kept as the literal's.
bool keeps_literal(char* block)
{
    if (block != literal_block) return false;
    literal_kept = true;
    return true;
}
}  // namespace

// ---------------------------------------------------------------------------
// string

inline char* string::new_block(int length)
{
    if (length < 0 || length > longest_text) __out_of_memory();
    char* block = __block_allocate(block_bytes(length));
    int* header = reinterpret_cast<int*>(block);
    header[0] = 1;
    header[1] = length;
    block[header_size + length] = 0;
    return block;
}

namespace {
// A block whose count reached 0 goes back to the storage, unless it is
// kept as the last literal's or by the concatenation memory. Inline in both
// releases below, so that a destructor's release is one call.
inline __attribute__((always_inline)) void free_counted_block(char* block)
{
    if (keeps_literal(block) || keeps_block(block)) return;
    __block_free(block, block_bytes(reinterpret_cast<int*>(block)[1]));
}
}  // namespace

void string::free_block(char* block) noexcept { free_counted_block(block); }

string::string() : h(new_block(0)) {}

// Taking back the kept block of a literal needs no stack frame: making a
// new block is a call of its own.
string::string(const char* p)
{
    if (reinterpret_cast<std::size_t>(p) < 0x10000) {
        h = const_cast<char*>(p);
        return;
    }
    char* kept = reuse_literal(p);
    h = kept ? kept : block_of_text(p);
}

__attribute__((noinline)) char* string::block_of_text(const char* p)
{
    int n = text_length(p);
    char* block = new_block(n);
    copy_bytes(block + header_size, p, n);
    remember_literal(p, block);
    return block;
}

// The destructor's release. It takes the handle, not the string: a
// destructor that passes its object's address to a call makes g++ keep the
// object in memory. Only a block that is not the last literal's takes a
// second call, so the release of a literal needs no stack frame.
void string::release_handle(char* handle) noexcept
{
    if (reinterpret_cast<std::size_t>(handle) < 0x10000 || --reinterpret_cast<int*>(handle)[0] != 0) return;
    if (!keeps_literal(handle)) free_block(handle);
}

string::string(const char* bytes, int count) : h(new_block(count < 0 ? 0 : count))
{
    if (count > 0) memcpy(h + header_size, bytes, count);
}

void string::alloc(int n)
{
    if (n < 0) n = 0;
    char* block = new_block(n);
    memset(block + header_size, 0, n);
    release();
    h = block;
}

namespace {
// The spare block's storage resized for `bytes`; freed when that fails.
char* resized_spare(char* spare, std::size_t spare_bytes, std::size_t bytes)
{
    try {
        return __block_resize(spare, spare_bytes, bytes);
    } catch (...) {
        __block_free(spare, spare_bytes);
        throw;
    }
}

// The spare block made a counted block of a text of `length` bytes; growth
// within its class costs no call.
inline char* grown_spare(char* spare, int length)
{
    std::size_t spare_bytes = block_bytes(reinterpret_cast<int*>(spare)[1]), bytes = block_bytes(length);
    char* block = spare;
    if (!grows_in_class(spare_bytes, bytes)) block = resized_spare(spare, spare_bytes, bytes);
    int* header = reinterpret_cast<int*>(block);
    header[0] = 1;
    header[1] = length;
    return block;
}

// The spare block of the last concatenation extended to a + b, when a is
// that concatenation's result, b is short and the text fits the spare's
// block: the common `s = s + x`, with no call. Null otherwise.
inline __attribute__((always_inline)) char* extended_spare(const string& a, const string& b)
{
    char* left = a.handle();
    char* right = b.handle();
    if (left != __concat_result || !__concat_left_spare || reinterpret_cast<std::size_t>(right) < 0x10000)
        return nullptr;
    int lb = reinterpret_cast<int*>(right)[1];
    if (lb > 16) return nullptr;
    char* spare = __concat_left;
    int la = reinterpret_cast<int*>(left)[1], kept = left_length, length = la + lb;
    std::size_t spare_bytes = block_bytes(reinterpret_cast<int*>(spare)[1]), bytes = block_bytes(length);
    if (length > longest_text || !grows_in_class(spare_bytes, bytes)) return nullptr;
    copy_bytes(spare + header_size + kept, left + header_size + kept, la - kept);
    copy_bytes(spare + header_size + la, right + header_size, lb);
    spare[header_size + length] = 0;
    reinterpret_cast<int*>(spare)[0] = 1;
    reinterpret_cast<int*>(spare)[1] = length;
    __concat_result = spare;
    __concat_left = left;
    left_length = la;
    __concat_left_spare = false;
    return spare;
}
}  // namespace

// A fresh block of a + b. The spare block of the last concatenation, when
// it is a prefix of a, saves copying that prefix.
string string::concat(const string& a, const string& b)
{
    char* block = extended_spare(a, b);
    return string(adopt_tag(), block ? block : concatenated(a, b));
}

__attribute__((noinline)) char* string::concatenated(const string& a, const string& b)
{
    const char* left = a.chars();
    const char* right = b.chars();
    int la = a.length(), lb = b.length(), length = joined_length(la, lb);
    int kept = 0;
    char* keepable = a.h == __concat_result ? a.h : nullptr;
    char* block = take_spare(a.h, &kept);
    block = block ? grown_spare(block, length) : new_block(length);
    char* text = block + header_size;
    copy_bytes(text + kept, left + kept, la - kept);
    copy_bytes(text + la, right, lb);
    text[length] = 0;
    remember_concat(block, keepable, la);
    return block;
}

// s += x is s = s + x; a block that nobody shares grows in place. A short
// text that fits the block's class is appended with no call.
string& string::operator+=(const string& s)
{
    if (!is_raw() && !s.is_raw() && header()[0] == 1) {
        int la = header()[1], lb = s.header()[1];
        if (lb <= 16 && grows_in_class(block_bytes(la), block_bytes(la + lb))) {
            forget_literal(h);
            copy_bytes(bytes() + la, s.bytes(), lb);  // s may be *this: its first lb bytes
            bytes()[la + lb] = 0;
            header()[1] = la + lb;
            return *this;
        }
    }
    append(s);
    return *this;
}

void string::append(const string& s)
{
    if (is_raw() || header()[0] != 1) {
        *this = concat(*this, s);
        return;
    }
    int la = length(), lb = s.length(), length = joined_length(la, lb);
    forget_literal(h);
    if (!grows_in_class(block_bytes(la), block_bytes(length))) {
        char* moved = __block_resize(h, block_bytes(la), block_bytes(length));
        block_moved(h, moved);
        h = moved;
    }
    copy_bytes(bytes() + la, s.chars(), lb);  // s may be *this: read after the move
    bytes()[length] = 0;
    header()[1] = length;
}

// Makes this string's block safe to write: a shared block (the static
// "out of memory" block among them) is replaced by a private copy, and a
// block of the last concatenation leaves that memory.
void string::make_writable() const
{
    if (header()[0] == 1) {
        forget_concat();
        return;
    }
    int n = length();
    char* copy = new_block(n);
    memcpy(copy + header_size, bytes(), n);
    --header()[0];
    h = copy;
}

int string::compare(const string& a, const string& b)
{
    if (a.is_raw() || b.is_raw()) return 1;
    int la = a.length(), lb = b.length();
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a.chars());
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b.chars());
    int shorter = la < lb ? la : lb;
    for (int i = 0; i < shorter; ++i)
        if (x[i] != y[i]) return x[i] - y[i];
    return la - lb;
}

// ---------------------------------------------------------------------------
// apistring

char* apistring::copy_of(const char* bytes, int count)
{
    char* p = static_cast<char*>(malloc(static_cast<std::size_t>(count) + 1));
    if (!p) __out_of_memory();
    memcpy(p, bytes, count);
    p[count] = 0;
    return p;
}

apistring::apistring() : p(copy_of("", 0)) {}

apistring::apistring(const char* text) : apistring(string(text)) {}

apistring::apistring(const string& s) : p(s.is_raw() ? s.text() : copy_of(s.chars(), s.length())) {}

apistring::apistring(const variant& v) : apistring(v.str()) {}

apistring::apistring(const apistring& a) : p(a.is_raw() ? a.p : copy_of(a.p, static_cast<int>(strlen(a.p))))
{
}

apistring::~apistring()
{
    if (!is_raw()) free(p);
}

apistring& apistring::operator=(const apistring& a)
{
    apistring copy(a);
    char* old = p;
    p = copy.p;
    copy.p = old;
    return *this;
}

apistring& apistring::operator=(apistring&& a) noexcept
{
    char* old = p;
    p = a.p;
    a.p = old;
    return *this;
}

int apistring::length() const { return raw_safe_length(p); }

void apistring::alloc(int n)
{
    if (n < 0) n = 0;
    char* block = static_cast<char*>(calloc(static_cast<std::size_t>(n) + 1, 1));
    if (!block) __out_of_memory();
    if (!is_raw()) free(p);
    p = block;
}
}  // namespace kln
