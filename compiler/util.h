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
bool equal_nocase(const std::string& a, const char* b);         // keywords: no temporary string
bool file_exists(const std::string& path);
std::string float_to_str(float value);  // "%f"
std::string int_to_str(int32_t value);  // "%d"
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
    void open(const std::string& path);  // sets failbit when the file cannot be created
    void close();                        // sets badbit when a write failed
private:
    class text_buffer;
    std::unique_ptr<text_buffer> buffer_;
};

// ---------------------------------------------------------------------------
// Names ignoring case

struct nocase_hash {
    size_t operator()(const std::string& s) const
    {
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
template<class T> using nocase_map = std::unordered_map<std::string, T, nocase_hash, nocase_equal>;

}  // namespace kiln
