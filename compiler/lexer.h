// lexer.h: the tokens of a Kiln source file and the reserved words of the
// language (lexer.cpp).
#pragma once

#include "util.h"

namespace kiln {

enum class token_kind {
    end_of_statement = 1,
    identifier = 2,
    number = 3,
    string_or_directive = 4,  // a string literal with its quotes, or a '#' directive
    operator_token = 5,
    label = 6,
};

class lexer {
public:
    std::string text;       // the current token
    std::string line_text;  // filled by read_rest_of_line
    token_kind kind = token_kind::end_of_statement;
    // Where the current token began: the physical line and column. A line
    // end is on the line it ends; the end of input is where the text ends.
    int line = 1;
    int column = 1;

    explicit lexer(std::istream& input);
    void next_token();
    void read_rest_of_line();
    bool at_eof() const;

private:
    std::string source_;     // the whole input, read once
    size_t pos_ = 0;         // index of the current character
    int physical_line_ = 1;  // grows when an LF is consumed
    int running_column_ = 1;
    bool at_end_ = false;  // the current token is the end of input
    int current() const { return pos_ < source_.size() ? (unsigned char)source_[pos_] : -1; }
    void advance() { ++pos_; }
    void take_to(size_t end);  // append the characters up to index `end` to text
    template<class Accept> size_t span_end(size_t from, Accept accept) const;
    void read_token();
    void next_line();
    bool at_crlf() const;
    void continue_line();
    void read_directive();
    void read_identifier();
    void read_number();
    void read_hex_number();
    void read_string();
    void skip_block_comment();
    void rename_cpp_clash();
};

// Reserved words (lexer.cpp): the words of the language that no declared
// name may take.
bool is_reserved_word(const std::string& name);
void check_reserved_word(const std::string& name);  // throws "illegal use of reserved word '…' as identifier"

}  // namespace kiln
