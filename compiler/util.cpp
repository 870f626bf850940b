// util.cpp: file-name and string helpers, and the mapping of
// the compiler's file names onto the host file system.
#include "util.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace kiln {

namespace {

char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// The first entry of `folder` (in byte order) whose name equals `name`
// ignoring case, or "" when there is none.
std::string find_nocase(const std::string& folder, const std::string& name)
{
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return "";
    std::vector<std::string> matches;
    while (dirent* entry = readdir(dir))
        if (equal_nocase(entry->d_name, name)) matches.push_back(entry->d_name);
    closedir(dir);
    if (matches.empty()) return "";
    return *std::min_element(matches.begin(), matches.end());
}

// "%d" of a value, written backwards so that its last digit is just before
// `end`; returns where the text begins.
const size_t int_digits_size = 12;
char* write_int_digits(int32_t value, char* end)
{
    char* start = end;
    uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
    do {
        *--start = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--start = '-';
    return start;
}

}  // namespace

bool equal_nocase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && ascii_upper(a[i]) != ascii_upper(b[i])) return false;
    return true;
}

// A shorter `a` stops the scan at its terminating 0, which no letter of `b` equals.
bool equal_nocase_text(const std::string& a, const char* b)
{
    const char* text = a.c_str();
    size_t i = 0;
    for (; b[i]; ++i)
        if (text[i] != b[i] && ascii_upper(text[i]) != ascii_upper(b[i])) return false;
    return i == a.size();
}

// Only a regular file counts: a folder opens as an empty stream, and
// opening a named pipe would wait for a writer.
bool file_exists(const std::string& path)
{
    std::string host = host_path(path);
    struct stat status;
    if (stat(host.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    std::ifstream file(host, std::ios::binary);
    return file.is_open();
}

std::string float_to_str(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", double(value));
    return buffer;
}

std::string int_to_str(int32_t value)
{
    char digits[int_digits_size];
    char* end = digits + sizeof digits;
    return std::string(write_int_digits(value, end), end);
}

// Up to 15 decimal digits are below 2^53: each step of the sum is exact.
double number_of(const std::string& text)
{
    size_t start = text.size() > 1 && text[0] == '-' ? 1 : 0, digits = text.size() - start;
    if (digits == 0 || digits > 15) return std::strtod(text.c_str(), nullptr);
    double value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::strtod(text.c_str(), nullptr);
        value = value * 10 + (text[i] - '0');
    }
    return start ? -value : value;
}

std::string capitalize(const std::string& text)
{
    std::string result(text);
    if (!result.empty()) result[0] = ascii_upper(result[0]);
    return result;
}

std::string exe_path()
{
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "";
        if (size_t(length) < buffer.size()) return std::string(buffer.data(), size_t(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string host_path(const std::string& path)
{
    if (equal_nocase(path, "nul")) return "/dev/null";
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::string find_module_file(const std::string& path)
{
    std::string result = host_path(path);
    if (result.empty() || access(result.c_str(), F_OK) == 0) return result;
    size_t slash = result.rfind('/');
    std::string folder = slash == std::string::npos ? "" : result.substr(0, slash + 1);
    std::string found = find_nocase(folder, result.substr(folder.size()));
    return found.empty() ? result : folder + found;
}

const std::string* name_group::find(const std::string& name) const
{
    if (names_.size() > short_length) {
        auto earlier = set_.find(name);
        return earlier == set_.end() ? nullptr : &*earlier;
    }
    for (const std::string& earlier : names_)
        if (equal_nocase(earlier, name)) return &earlier;
    return nullptr;
}

void name_group::add(const std::string& name)
{
    names_.push_back(name);
    if (names_.size() == short_length + 1)
        set_.insert(names_.begin(), names_.end());
    else if (names_.size() > short_length + 1)
        set_.insert(name);
}

// --- texts and the generated C++ file ---------------------------------------------

// The text lives in one block that grows by doubling (realloc, which moves
// large blocks without copying them and fills nothing); the stream's put
// area is the block's free part, so the stream and the direct appends of
// text_stream write one text in order.
text_stream::text_buffer::text_buffer(size_t capacity) { grow(capacity < 16 ? 16 : capacity); }

text_stream::text_buffer::~text_buffer() { std::free(text_); }

void text_stream::text_buffer::reserve(size_t bytes)
{
    if (bytes > size_) grow(bytes);
}

void text_stream::text_buffer::append(const char* text, size_t length)
{
    if (!fits(length)) make_room(length);
    std::memcpy(pptr(), text, length);
    advance(length);
}

text_stream::text_buffer::int_type text_stream::text_buffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    char byte = traits_type::to_char_type(c);
    append(&byte, 1);
    return c;
}

std::streamsize text_stream::text_buffer::xsputn(const char* text, std::streamsize length)
{
    append(text, size_t(length));
    return length;
}

void text_stream::text_buffer::make_room(size_t needed)
{
    size_t size = size_;
    while (size - length() < needed) size *= 2;
    grow(size);
}

// The block resized to `size` bytes, the text kept.
void text_stream::text_buffer::grow(size_t size)
{
    size_t kept = text_ ? length() : 0;
    char* text = static_cast<char*>(std::realloc(text_, size));
    if (!text) throw std::bad_alloc();
    text_ = text;
    size_ = size;
    setp(text_, text_ + size_);
    advance(kept);
}

// pbump takes an int; a text past 2 GiB moves in several steps.
void text_stream::text_buffer::advance(size_t count)
{
    for (; count > size_t(INT_MAX); count -= size_t(INT_MAX)) pbump(INT_MAX);
    pbump(int(count));
}

text_stream::text_stream(size_t capacity) : std::ostream(nullptr), buffer_(capacity) { rdbuf(&buffer_); }

text_stream::~text_stream() = default;

void text_stream::reserve(size_t bytes) { buffer_.reserve(bytes); }

// Past the end of the block, or into a buffer that a caller swapped in.
void text_stream::write_text_slowly(const char* text, size_t length)
{
    if (rdbuf() == &buffer_)
        buffer_.append(text, length);
    else
        std::ostream::write(text, std::streamsize(length));
}

output_file::output_file() : text_stream(1 << 16) {}

// Checks that the file can be written, without changing it yet. A file
// that was open gets its text first.
void output_file::open(const std::string& path)
{
    clear();
    write_file();
    int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        setstate(std::ios::failbit);
        return;
    }
    ::close(descriptor);
    path_ = path;
}

void output_file::close()
{
    if (!write_file()) setstate(std::ios::badbit);
}

// Writes the whole text over the open file, and empties the text. False
// when a write or the close failed.
bool output_file::write_file()
{
    if (path_.empty()) return true;
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    path_.clear();
    size_t length = buffer_.length();
    bool written = file && std::fwrite(buffer_.text(), 1, length, file) == length;
    buffer_.clear();
    if (!file) return false;
    return std::fclose(file) == 0 && written;
}

text_stream& operator<<(text_stream& out, int value)
{
    char digits[int_digits_size];
    char* end = digits + sizeof digits;
    char* start = write_int_digits(value, end);
    return out.write_text(start, size_t(end - start));
}

}  // namespace kiln
