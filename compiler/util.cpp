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

}  // namespace

bool equal_nocase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && ascii_upper(a[i]) != ascii_upper(b[i])) return false;
    return true;
}

// A shorter `a` stops the scan at its terminating 0, which no letter of `b` equals.
bool equal_nocase(const std::string& a, const char* b)
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
    char digits[12];
    char* start = digits + sizeof digits;
    uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
    do {
        *--start = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--start = '-';
    return std::string(start, digits + sizeof digits);
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

// --- the generated C++ file -----------------------------------------------------

class output_file::text_buffer : public std::streambuf {
public:
    text_buffer() : text_(1 << 16) { setp(&text_[0], &text_[0] + text_.size()); }

    // Checks that the file can be written, without changing it yet.
    bool open(const std::string& path)
    {
        close();
        int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (descriptor < 0) return false;
        ::close(descriptor);
        path_ = path;
        return true;
    }

    // Writes the whole text over the file. False when a write or the close failed.
    bool close()
    {
        if (path_.empty()) return true;
        std::FILE* file = std::fopen(path_.c_str(), "wb");
        path_.clear();
        size_t length = size_t(pptr() - pbase());
        setp(&text_[0], &text_[0] + text_.size());
        if (!file) return false;
        bool written = std::fwrite(text_.data(), 1, length, file) == length;
        return std::fclose(file) == 0 && written;
    }

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        make_room(1);
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize length) override
    {
        make_room(size_t(length));
        std::memcpy(pptr(), text, size_t(length));
        advance(size_t(length));
        return length;
    }

private:
    void make_room(size_t needed)
    {
        size_t used = size_t(pptr() - pbase());
        if (text_.size() - used >= needed) return;
        size_t size = text_.size();
        while (size - used < needed) size *= 2;
        text_.resize(size);
        setp(&text_[0], &text_[0] + size);
        advance(used);
    }

    // pbump takes an int; a text past 2 GiB moves in several steps.
    void advance(size_t count)
    {
        for (; count > size_t(INT_MAX); count -= size_t(INT_MAX)) pbump(INT_MAX);
        pbump(int(count));
    }

    std::vector<char> text_;
    std::string path_;  // the open file, or "" when none is open
};

output_file::output_file() : std::ostream(nullptr), buffer_(new text_buffer) { rdbuf(buffer_.get()); }

output_file::~output_file() = default;

void output_file::open(const std::string& path)
{
    clear();
    if (!buffer_->open(path)) setstate(std::ios::failbit);
}

void output_file::close()
{
    if (!buffer_->close()) setstate(std::ios::badbit);
}

}  // namespace kiln
