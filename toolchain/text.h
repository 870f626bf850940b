// Small text and file-name helpers shared by the front-ends.
#pragma once

#include <string>
#include <vector>

#include "file_names.h"

namespace kiln {

// argv[1..argc-1] joined with single blanks: the command line as it was
// written before the shell or the Windows start-up code split it. An
// argument that holds white space (a name that was quoted) gets its pieces
// between commas that hold white space put in double quotes again, so that
// the line reads back with the same words and fields.
std::string join_arguments(int argc, const char* const* argv);

// The words of a text separated by runs of white space (blanks, tabs, line
// ends). A double quote begins or ends a quoted part, in which white space
// belongs to the word; the quotes themselves are dropped ("a b"c is the
// one word a bc).
std::vector<std::string> split_words(const std::string& text);

// The pieces of a text between separators; "a,,b" gives three pieces. A
// separator inside double quotes belongs to its piece, and the quotes stay.
std::vector<std::string> split_at(const std::string& text, char separator);

std::string to_lower(std::string text);
// True for one or more decimal digits and nothing else.
bool is_digits(const std::string& text);
bool starts_with(const std::string& text, const std::string& prefix);

// File names arrive with '\' or '/' as separator; the tools want '/'.
std::string to_posix_path(std::string path);

bool file_exists(const std::string& path);

// True when both names reach the same file ("a.obj" and "./a.obj"), or are
// the same name when neither exists.
bool same_file(const std::string& first, const std::string& second);

// A file name as an argument of a cross tool: one that begins with '@' would
// be read as a response file, so it gets "./" in front.
std::string as_tool_argument(const std::string& path);

}  // namespace kiln
