#include "file_names.h"

#include <cctype>

namespace kiln {

namespace {

// Where the file name begins: after the last separator.
std::size_t name_start(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

// The position of the extension's dot, npos when the file name has none.
std::size_t extension_dot(const std::string& path)
{
    std::size_t start = name_start(path);
    std::size_t dot = path.rfind('.');
    return dot == std::string::npos || dot <= start ? std::string::npos : dot;
}

}  // namespace

std::string file_name_of(const std::string& path) { return path.substr(name_start(path)); }

std::string extension_of(const std::string& path)
{
    std::size_t dot = extension_dot(path);
    if (dot == std::string::npos) return "";
    std::string extension = path.substr(dot);
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

std::string stem_of(const std::string& path) { return file_name_of(without_extension(path)); }

std::string without_extension(const std::string& path)
{
    std::size_t dot = extension_dot(path);
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string with_default_extension(const std::string& path, const std::string& extension)
{
    return extension_dot(path) == std::string::npos ? path + extension : path;
}

}  // namespace kiln
