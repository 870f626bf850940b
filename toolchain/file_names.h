// File-name texts shared by kln and the front-ends. Names arrive with '\' or
// '/' as separator; the extension is what follows the last dot of the file
// name, unless that dot begins the name.
#pragma once

#include <string>

namespace kiln {

// "b.cpp" for "a/b.cpp" and for "a\b.cpp".
std::string file_name_of(const std::string& path);
// ".cpp" for "a/b.CPP" (lower-cased), "" when the file name has none.
std::string extension_of(const std::string& path);
// "b" for "a/b.cpp".
std::string stem_of(const std::string& path);
// "a/b" for "a/b.cpp"; the path itself when it has no extension.
std::string without_extension(const std::string& path);
// The path with `extension` (".obj") appended when it has none.
std::string with_default_extension(const std::string& path, const std::string& extension);

}  // namespace kiln
