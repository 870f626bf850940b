// Syntax-definition files: the record of one language's rules and colours,
// read from an INI-like text file, and two small text helpers used with it.
#pragma once

#include <cstdint>
#include <string>

namespace kforge {

// One definition as read from its file. A key the file lacks leaves its field
// empty, false or 0. The word lists hold their words separated by LF.
struct SyntaxDef {
    std::string sourcePath;
    std::string name;
    std::string filter;
    bool casesensitive = false;
    bool autocase = false;
    bool autoindent = false;
    int16_t indentsize = 0;
    std::string escapechar;
    std::string argumentfile;
    std::string functionstring;
    int32_t langstyle = 0;  // 1 for "sgml", else 0
    std::string singlelinecomment;
    std::string singlelinecommentalt;
    std::string multilinecommentstart;
    std::string multilinecommentstartalt;
    std::string multilinecommentend;
    std::string multilinecommentendalt;
    std::string syntaxstart;
    std::string syntaxend;
    std::string stringdelimeters;  // the quote characters side by side
    std::string keywords;
    std::string attributes;
    std::string operators;
    std::string terminatorchar;
    uint32_t numbercolor = 0;  // colours are 0x00BBGGRR
    uint32_t operatorcolor = 0;
    uint32_t keywordcolor = 0;
    uint32_t attribcolor = 0;
    uint32_t textcolor = 0;
    uint32_t commentcolor = 0;
    uint32_t stringcolor = 0;
};

// Reads the definition at path. Never fails: a missing or unreadable file, or
// a folder, gives the all-empty record (its sourcePath empty as well).
//
// The file's lines end at CR LF, a lone CR or a lone LF. A line that is empty
// or begins with ';' is skipped; "[name]" opens a section (name lower-cased,
// not trimmed; unknown names open a section whose lines are ignored). In the
// sections main, options and colors a line is key=value (key lower-cased,
// both trimmed of spaces); a line without '=' is ignored. In keywords,
// attributes and operators each line, with its blanks turned into LF,
// replaces the section's list.
//
// Booleans are "true"/"false" in any case or an integer (0 is false).
// Integers are decimal with an optional sign (32-bit signed range) or "&H"
// with 1 to 8 hex digits, read unsigned. A value that does not convert, or
// does not fit its field, leaves the field unchanged.
SyntaxDef LoadSyntax(const std::string& path);

// A text of fewer than 2 characters unchanged, else its characters joined by LF.
std::string SplitChars(const std::string& text);

}  // namespace kforge
