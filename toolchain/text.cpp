#include "text.h"

#include <sys/stat.h>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kiln {

namespace {

bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool holds_space(const std::string& text) { return std::any_of(text.begin(), text.end(), is_space); }

// One argument as a word of the rejoined line. An argument that already
// holds a double quote was quoted by its writer and stays as it is.
std::string as_line_word(const std::string& argument)
{
    if (!holds_space(argument) || argument.find('"') != std::string::npos) return argument;
    std::string word;
    for (const std::string& piece : split_at(argument, ','))
        word += (holds_space(piece) ? '"' + piece + '"' : piece) + ',';
    word.pop_back();  // the comma after the last piece
    return word;
}

}  // namespace

std::string join_arguments(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += as_line_word(argv[i]);
    }
    return line;
}

std::vector<std::string> split_words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (is_space(c) && !quoted) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

std::vector<std::string> split_at(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == separator && !quoted)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

std::string to_lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool starts_with(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool is_digits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string to_posix_path(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool file_exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool same_file(const std::string& first, const std::string& second)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::equivalent(first, second, error)) return true;
    return fs::path(first).lexically_normal() == fs::path(second).lexically_normal();
}

std::string as_tool_argument(const std::string& path) { return starts_with(path, "@") ? "./" + path : path; }

}  // namespace kiln
