// util.h: the helpers every stage of the compiler uses: the version, names
// compared ignoring case, file names and the host file system, and the
// generated C++ file (util.cpp).
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <sstream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "file_names.h"

namespace kiln {

// ---------------------------------------------------------------------------
// Version

const int version_major = 2;  // also the .kmd version bytes
const int version_minor = 0;
const int version_release = 1;

// ---------------------------------------------------------------------------
// Utilities (util.cpp)

bool equal_nocase(const std::string& a, const std::string& b);  // ASCII only
bool equal_nocase_text(const std::string& a, const char* b);
// Keywords: no temporary string. Most tokens differ from a keyword in the
// first character by more than its case (bit 0x20), which settles it inline.
inline bool equal_nocase(const std::string& a, const char* b)
{
    return !((a.c_str()[0] ^ b[0]) & ~0x20) && equal_nocase_text(a, b);
}
bool file_exists(const std::string& path);
std::string float_to_str(float value);  // "%f"
std::string int_to_str(int32_t value);  // "%d"
// The number a text starts with, as strtod reads it (0 when it starts with
// none); a whole number of up to 15 digits, the texts of most constants, is
// read without strtod and gives the same value.
double number_of(const std::string& text);
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

// A C++ text gathered in memory. The translators write it in many short
// pieces, which costs a fraction of a string stream's work per piece.
// Texts, characters and ints written to a text_stream itself (not through
// a std::ostream& to it) are appended to the text directly, without the
// stream's per-piece checks; while a caller has swapped in a buffer of its
// own (rdbuf), they go through the stream to that buffer.
class text_stream : public std::ostream {
public:
    explicit text_stream(size_t capacity = 256);  // room for a text of that size at first
    ~text_stream();
    std::string str() const { return std::string(buffer_.text(), buffer_.length()); }
    void reserve(size_t bytes);  // room for a text of that size, made at once

    text_stream& write_text(const char* text, size_t length)
    {
        if (rdbuf() == &buffer_ && length <= text_buffer::short_piece && buffer_.fits(length))
            buffer_.append_short(text, length);
        else
            write_text_slowly(text, length);
        return *this;
    }

protected:
    // The text: one block whose free part is the stream's put area.
    class text_buffer : public std::streambuf {
    public:
        explicit text_buffer(size_t capacity);
        ~text_buffer() override;
        text_buffer(const text_buffer&) = delete;
        text_buffer& operator=(const text_buffer&) = delete;
        const char* text() const { return pbase(); }
        size_t length() const { return size_t(pptr() - pbase()); }
        void clear() { setp(text_, text_ + size_); }
        void reserve(size_t bytes);
        void append(const char* text, size_t length);
        static const size_t short_piece = 1 << 16;  // the pieces appended inline
        bool fits(size_t length) const { return size_t(epptr() - pptr()) >= length; }
        void append_short(const char* text, size_t length)  // when fits(length), up to short_piece bytes
        {
            std::memcpy(pptr(), text, length);
            pbump(int(length));
        }

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* text, std::streamsize length) override;

    private:
        void make_room(size_t needed);
        void grow(size_t size);
        void advance(size_t count);

        char* text_ = nullptr;
        size_t size_ = 0;
    };

    text_buffer buffer_;

private:
    void write_text_slowly(const char* text, size_t length);
};

// The generated C++ file: its text gathered in memory, and close() writes
// it at once. open() only checks that the file can be written, and the
// destructor drops the text: a failed translation leaves an existing file
// as it was (such as the hand-written M.cpp of an INTERFACE NOSKIP module
// whose INTERFACE word is not the first token).
class output_file : public text_stream {
public:
    output_file();
    void open(const std::string& path);  // sets failbit when the file cannot be created
    void close();                        // sets badbit when a write failed

private:
    bool write_file();
    std::string path_;  // the open file, or "" when none is open
};

inline text_stream& operator<<(text_stream& out, const char* text) { return out.write_text(text, std::strlen(text)); }
inline text_stream& operator<<(text_stream& out, const std::string& text)
{
    return out.write_text(text.data(), text.size());
}
inline text_stream& operator<<(text_stream& out, char c) { return out.write_text(&c, 1); }
text_stream& operator<<(text_stream& out, int value);
// Any other value goes through the stream's own formatting.
template<class T> text_stream& operator<<(text_stream& out, const T& value)
{
    static_cast<std::ostream&>(out) << value;
    return out;
}

// ---------------------------------------------------------------------------
// Names ignoring case

// A hash of a name that ignores case: names equal ignoring case hash alike.
// Eight bytes at a time, each with its 0x20 bit cleared (the bit that tells
// a lower-case letter from its capital; other bytes that differ only there
// merely share a hash).
inline uint32_t nocase_hash_of(const char* text, size_t length)
{
    const uint64_t fold = 0xDFDFDFDFDFDFDFDFull, multiplier = 0x9E3779B97F4A7C15ull;
    uint64_t h = length * multiplier;
    for (; length >= 8; text += 8, length -= 8) {
        uint64_t word;
        std::memcpy(&word, text, 8);
        h = (h ^ (word & fold)) * multiplier;
        h ^= h >> 29;
    }
    if (length) {
        uint64_t word = 0;
        for (size_t i = 0; i < length; ++i) word |= uint64_t((unsigned char)text[i]) << (8 * i);
        h = (h ^ (word & fold)) * multiplier;
        h ^= h >> 29;
    }
    return uint32_t(h ^ (h >> 32));
}
inline uint32_t nocase_hash_of(const std::string& name) { return nocase_hash_of(name.data(), name.size()); }

struct nocase_hash {
    size_t operator()(const std::string& s) const { return nocase_hash_of(s); }
};

struct nocase_equal {
    bool operator()(const std::string& a, const std::string& b) const { return equal_nocase(a, b); }
};

// Names ignoring case: the reserved and statement words.
using nocase_set = std::unordered_set<std::string, nocase_hash, nocase_equal>;
template<class T> using nocase_map = std::unordered_map<std::string, T, nocase_hash, nocase_equal>;

// A list of names in the order added, for the duplicate checks of lists
// kept without a named_list (DIM groups, field groups, parameters). A short
// list, the usual one, is searched in turn and fills no set; a long one
// also keeps its names in a set, so that its checks stay linear.
class name_group {
public:
    const std::vector<std::string>& names() const { return names_; }
    // The name added earlier that equals `name` ignoring case, or null.
    const std::string* find(const std::string& name) const;
    void add(const std::string& name);

private:
    static const size_t short_length = 8;  // names searched without the set
    std::vector<std::string> names_;
    nocase_set set_;  // all of names_ once there are more than short_length
};

}  // namespace kiln
