#include "text.h"

#include <sys/stat.h>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kiln {

std::string join_arguments(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

std::vector<std::string> split_words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
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
    for (char c : text) {
        if (c == separator)
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
