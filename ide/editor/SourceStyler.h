// Colours source text line by line by the rules of a Language: each byte
// gets the number of the style it is drawn in. A block comment may run over
// line ends; the state a line ends in is the state the next line starts in.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Language.h"

namespace kforge {

// Style numbers; each is drawn in the editor colour of the same number.
enum SourceStyle : unsigned char {
    kStylePlain = 4,
    kStyleNumber = 6,
    kStyleKeyword = 8,
    kStyleOperator = 10,
    kStyleComment = 14,
    kStyleString = 16,
    kStyleKeyword2 = 22,
    kStyleAttribute = 24,
};

// Line states: where a line ends.
enum SourceLineState : int { kInCode = 0, kInBlockComment = 1 };

class SourceStyler {
public:
    explicit SourceStyler(const Language& language);

    // Styles the len bytes of one line (without its line end) into styles
    // (len entries), starting in state, and returns the state at its end.
    // Line comments run to the end of the line; strings run to the same
    // delimiter or the end of the line, the escape byte making the next one
    // plain; numbers are digits with "." or "&H" with hex digits; words
    // (letters, digits, "_") are looked up in the lists; operators match
    // longest first.
    int StyleLine(const char* text, size_t len, int state, unsigned char* styles) const;

    // The keyword's own spelling when word equals a keyword ignoring case,
    // else "".
    std::string KeywordSpelling(const std::string& word) const;
    bool CaseSensitive() const { return caseSensitive_; }

private:
    std::string WordKey(const char* text, size_t len) const;
    bool MatchesAt(const char* text, size_t len, size_t pos, const std::string& marker) const;
    size_t OperatorLength(const char* text, size_t len, size_t pos) const;
    size_t StringEnd(const char* text, size_t len, size_t pos) const;
    size_t NumberEnd(const char* text, size_t len, size_t pos) const;

    bool caseSensitive_;
    bool secondList_;
    std::string lineComment_, blockStart_, blockEnd_;
    std::string delimiters_;
    char escape_ = 0;
    std::unordered_set<std::string> keywords_, keywords2_, attributes_;
    std::unordered_map<std::string, std::string> spellings_;  // lower case -> keyword
    std::vector<std::string> operators_;                      // longest first
};

// True for the bytes of a word: ASCII letters, digits and "_".
bool IsWordByte(char c);

}  // namespace kforge
