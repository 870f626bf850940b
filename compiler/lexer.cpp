// Tokens of a Kiln source file, and the reserved words of the language.
//
// The whole input is read once; the lexer then walks it with one character
// of look-ahead. A line ends at LF (CR is a blank), so CR LF and LF-only
// files give the same tokens. The line counter grows exactly when an LF is
// consumed; `line` and `column` are where the current token began, so a
// line end (LF, CR LF, or a comment up to the LF) is placed on the line it
// ends. End of input is a state of its own, not a byte value, so every byte
// 0x00-0xFF can appear in strings and comments.
#include "lexer.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kiln {

namespace {

const int end_of_input = -1;

bool is_blank(int c) { return c == '\t' || c == '\r' || c == ' '; }
bool is_digit(int c) { return c >= '0' && c <= '9'; }
bool is_identifier_start(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

// The characters of an identifier after its first, a table of the 256 byte values.
std::array<bool, 256> identifier_char_table()
{
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) table[size_t(c)] = is_identifier_start(c) || is_digit(c);
    return table;
}
const std::array<bool, 256> identifier_chars = identifier_char_table();
bool is_identifier_char(int c) { return identifier_chars[size_t(c)]; }
bool is_type_suffix(int c) { return c == '!' || c == '#' || c == '$' || c == '%' || c == '&' || c == '@'; }

int hex_value(int c)
{
    if (is_digit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Words that would clash with C++ in the generated code: every C++17
// keyword and alternative operator name, GNU's typeof, the std::type_info
// that class checks name, the names the generated code gives its own parts
// (kln, the run-time namespace; is, the selector of SELECT CASE; the names
// beginning with two underscores), the run-time types that it names without
// "kln::" (a declaration of the module would hide them), and every macro
// that the generated code meets.
const char* const cpp_words[] = {
    "alignas",   "alignof",  "and",      "and_eq",    "asm",          "auto",          "bitand",
    "bitor",     "bool",     "break",    "case",      "catch",        "char",          "char16_t",
    "char32_t",  "class",    "compl",    "const",     "const_cast",   "constexpr",     "continue",
    "decltype",  "default",  "delete",   "do",        "double",       "dynamic_cast",  "else",
    "enum",      "explicit", "export",   "extern",    "false",        "float",         "for",
    "friend",    "goto",     "if",       "inline",    "int",          "long",          "mutable",
    "namespace", "new",      "noexcept", "not",       "not_eq",       "nullptr",       "operator",
    "or",        "or_eq",    "private",  "protected", "public",       "register",      "reinterpret_cast",
    "return",    "short",    "signed",   "sizeof",    "static",       "static_assert", "static_cast",
    "struct",    "switch",   "template", "this",      "thread_local", "throw",         "true",
    "try",       "typedef",  "typeid",   "typename",  "typeof",       "type_info",     "union",
    "unsigned",  "using",    "virtual",  "void",      "volatile",     "wchar_t",       "while",
    "xor",       "xor_eq",   "kln",      "is",        "__limit",      "__iter",        "__refcnt",
    "__isbase",  "__unwind_pos", "__init_all", "__final_all", "__init_and_final", "__init_and_final_ptr",
    "string",    "apistring", "event",
#include "cpp_macro_names.inc"
};

// The clash words grouped by their first character and sorted by length,
// then by text, with the lengths that occur in each group, so that most
// identifiers are told apart from every clash word by one bit, and the
// others are compared only with the words of their length.
struct clash_group {
    std::vector<std::string> words;
    uint64_t lengths = 0;  // bit n: a word of n characters (63: of 63 or more)
};

bool shorter_or_before(const std::string& a, const std::string& b)
{
    return a.size() != b.size() ? a.size() < b.size() : std::memcmp(a.data(), b.data(), a.size()) < 0;
}

uint64_t length_bit(size_t length) { return uint64_t(1) << (length < 63 ? length : 63); }

std::array<clash_group, 128> group_clash_words()
{
    std::array<clash_group, 128> by_first;
    for (const char* word : cpp_words) {
        clash_group& group = by_first[(unsigned char)word[0] & 127];
        group.words.push_back(word);
        group.lengths |= length_bit(std::strlen(word));
    }
    for (auto& group : by_first) std::sort(group.words.begin(), group.words.end(), shorter_or_before);
    return by_first;
}

// Built before main, so that the rename of each identifier pays no guard.
const std::array<clash_group, 128> clash_groups = group_clash_words();

// The words of the language that no declared name may take.
const char* const reserved_words[] = {
    "PUBLIC",
    "PRIVATE",
    "PROTECTED",
    "PUBLISHED",
    "DIM",
    "SUB",
    "FUNCTION",
    "PROPERTY",
    "SET",
    "GET",
    "LET",
    "END",
    "GOTO",
    "CONST",
    "AS",
    "USING",
    "INTERFACE",
    "OPTION",
    "EXIT",
    "CALL",
    "IF",
    "THEN",
    "ELSE",
    "ELSEIF",
    "DO",
    "WHILE",
    "UNTIL",
    "LOOP",
    "WEND",
    "FOR",
    "TO",
    "STEP",
    "NEXT",
    "SELECT",
    "CASE",
    "TRY",
    "CATCH",
    "THROW",
    "PRINT",
    "INPUT",
    "BYTE",
    "SHORT",
    "LONG",
    "INTEGER",
    "WORD",
    "DWORD",
    "ENUM",
    "SINGLE",
    "DOUBLE",
    "DECIMAL",
    "BOOLEAN",
    "OBJECT",
    "VARIANT",
    "CLASS",
    "EXTENDS",
    "TYPE",
    "ALIAS",
    "BUILTIN",
    "DECLARE",
    "EXTERNAL",
    "INITIALIZATION",
    "FINALIZATION",
    "COLLECTION",
    "DICTIONARY",
    "ITERATE",
    "INCR",
    "DECR",
    "SWAP",
    "EXPORT",
    "#CPP",
    "#KLN",
};

}  // namespace

bool is_reserved_word(const std::string& name)
{
    static const nocase_set words(std::begin(reserved_words), std::end(reserved_words));
    return words.count(name) != 0;
}

void check_reserved_word(const std::string& name)
{
    if (is_reserved_word(name)) throw "illegal use of reserved word '" + name + "' as identifier";
}

// Reads the rest of the input straight into the source text: in one piece
// when the input can tell its size, else in pieces until it ends.
lexer::lexer(std::istream& input)
{
    std::streambuf* buffer = input.rdbuf();
    if (!buffer) return;
    size_t piece = 1 << 16;
    std::streamoff here = buffer->pubseekoff(0, std::ios::cur, std::ios::in);
    std::streamoff end = buffer->pubseekoff(0, std::ios::end, std::ios::in);
    if (here >= 0 && end > here && buffer->pubseekpos(here, std::ios::in) == here) piece = size_t(end - here) + 1;
    for (size_t length = 0;;) {
        source_.resize(length + piece);
        std::streamsize got = buffer->sgetn(&source_[length], std::streamsize(piece));
        length += size_t(got > 0 ? got : 0);
        if (got < std::streamsize(piece)) {
            source_.resize(length);
            return;
        }
    }
}

bool lexer::at_eof() const { return at_end_; }

void lexer::next_token()
{
    read_token();
    while (kind == token_kind::identifier && text.size() == 1 && text[0] == '_') continue_line();
    running_column_ += (int)text.size();
}

// A lone "_" continues the statement on the next line: only a line end (or
// a comment) may follow it on its own line. The token after the line end
// replaces it. A loop rather than recursion, so that any number of
// continuations, or of "_" on one line, is safe.
void lexer::continue_line()
{
    running_column_ += 1;
    read_token();
    running_column_ += (int)text.size();
    if (kind != token_kind::end_of_statement) throw "newline expected";
    read_token();
}

void lexer::read_token()
{
    for (;;) {
        for (int c = current(); is_blank(c) && (c != '\r' || !at_crlf()); c = current()) {
            advance();
            ++running_column_;
        }
        text.clear();
        line = physical_line_;
        column = running_column_;
        int c = current();
        if (c == end_of_input) {
            kind = token_kind::end_of_statement;
            at_end_ = true;
            return;
        }
        if (c == '/' && pos_ + 1 < source_.size() && source_[pos_ + 1] == '*') {
            skip_block_comment();
            continue;
        }
        break;
    }

    int c = current();
    if (c == '#') return read_directive();
    if (c == '\'') {
        while (current() != end_of_input && current() != '\n') advance();
        if (current() == '\n') next_line();
        kind = token_kind::end_of_statement;
        return;
    }
    if (c == '\r' || c == '\n') {
        if (c == '\r') advance();
        next_line();
        kind = token_kind::end_of_statement;
        return;
    }
    if (is_identifier_start(c)) return read_identifier();
    if (is_digit(c)) return read_number();
    if (c == '&') return read_hex_number();
    if (c == '"') return read_string();

    kind = token_kind::operator_token;
    text.push_back((char)c);
    advance();
    int n = current();
    switch (c) {
        case '+':
        case '-':
            if (n == '=' || n == c) {
                text.push_back((char)n);
                advance();
            }
            return;
        case '*':
        case '>':
        case '/':
            if (n == '=') {
                text.push_back((char)n);
                advance();
            }
            return;
        case '<':
            if (n == '=' || n == '>') {
                text.push_back((char)n);
                advance();
            }
            return;
        case '(':
        case ')':
        case ',':
        case '.':
        case ';':
        case '=':
        case '[':
        case ']':
            return;
        case ':':
            text.clear();
            kind = token_kind::end_of_statement;
            return;
        default:
            text.clear();
            throw "invalid character";
    }
}

// A directive ends at CR, LF, SPACE or end of input. A CR or SPACE
// terminator is consumed; an LF stays, so the line is counted once.
void lexer::read_directive()
{
    size_t start = pos_;
    while (current() != end_of_input && current() != '\r' && current() != '\n' && current() != ' ') advance();
    text.assign(source_, start, pos_ - start);
    if (current() == '\r' || current() == ' ') {
        advance();
        ++running_column_;
    }
    kind = token_kind::string_or_directive;
}

// Appends the characters from the current one up to `end` to the token.
void lexer::take_to(size_t end)
{
    text.append(source_, pos_, end - pos_);
    pos_ = end;
}

// Index of the first character from `from` on that `accept` rejects.
template<class Accept> size_t lexer::span_end(size_t from, Accept accept) const
{
    while (from < source_.size() && accept((unsigned char)source_[from])) ++from;
    return from;
}

void lexer::read_identifier()
{
    size_t end = span_end(pos_ + 1, [](int c) { return is_identifier_char(c); });
    if (end < source_.size() && is_type_suffix((unsigned char)source_[end])) ++end;
    take_to(end);

    if (current() == ':' && pos_ + 1 < source_.size() &&
        (source_[pos_ + 1] == '\n' || source_[pos_ + 1] == '\r')) {
        advance();  // the ':' of a label; the line end stays current
        kind = token_kind::label;
        return;
    }
    rename_cpp_clash();
    kind = token_kind::identifier;  // a lone "_" is a line continuation, handled by next_token
}

// A clash word gets the case of its first letter swapped (int becomes Int,
// NULL becomes nULL, __GNUC__ becomes __gNUC__). Kiln names compare ignoring
// case, so the renamed name still means the same.
void lexer::rename_cpp_clash()
{
    const clash_group& group = clash_groups[(unsigned char)text[0] & 127];
    if (!(group.lengths & length_bit(text.size()))) return;
    if (!std::binary_search(group.words.begin(), group.words.end(), text, shorter_or_before)) return;
    for (char& c : text) {
        if (is_identifier_start(c) && c != '_') {
            c = (char)(c ^ ('a' - 'A'));
            return;
        }
    }
}

void lexer::read_number()
{
    size_t end = span_end(pos_ + 1, [](int c) { return is_digit(c); });
    if (end < source_.size() && source_[end] == '.')
        end = span_end(end + 1, [](int c) { return is_digit(c); });
    take_to(end);
    if (current() == '&') advance();
    kind = token_kind::number;
}

void lexer::read_hex_number()
{
    advance();  // '&'
    if (current() != 'H' && current() != 'h') throw "number base (H, O or B) expected";
    advance();
    if (hex_value(current()) < 0) throw "hexadecimal number expected";
    uint32_t value = 0;
    for (int digit; (digit = hex_value(current())) >= 0; advance()) value = value * 16 + (uint32_t)digit;
    if (current() == '&') advance();
    text = std::to_string(value);
    kind = token_kind::number;
}

// The literal keeps its quotes and has every backslash doubled, so its text
// is already a valid C++ string literal. A NUL byte is refused: C++ and the
// module file would both end the text there.
void lexer::read_string()
{
    size_t start = pos_;
    text.push_back('"');
    advance();
    for (;;) {
        int c = current();
        if (c == end_of_input || c == '\r' || c == '\n') throw "string constant exceeds line";
        if (c == 0) {
            column += int(pos_ - start);  // the NUL's own column
            throw "NUL character in string constant";
        }
        text.push_back((char)c);
        advance();
        if (c == '"') break;
        if (c == '\\') text.push_back('\\');
    }
    kind = token_kind::string_or_directive;
}

// Steps over the LF that ends a line.
void lexer::next_line()
{
    advance();
    ++physical_line_;
    running_column_ = 1;
}

// A CR directly before an LF begins the line end, so CR LF and LF-only
// sources place it at the same column.
bool lexer::at_crlf() const
{
    return current() == '\r' && pos_ + 1 < source_.size() && source_[pos_ + 1] == '\n';
}

// Current character is the '/' of "/*". The comment ends at the first '/'
// after a '*' (the opening '*' counts, so "/*/" is a whole comment) or at
// end of input.
void lexer::skip_block_comment()
{
    advance();
    running_column_ += 2;
    int previous = 0;
    for (;;) {
        int c = current();
        if (c == end_of_input) return;
        if (c == '\n') {
            next_line();
        } else {
            advance();
            if (c != '\r') ++running_column_;
        }
        if (c == '/' && previous == '*') return;
        previous = c;
    }
}

// Raw text of the rest of a line, for "#CPP" blocks: one pending line end
// (CR, then LF) is stepped over first; the text runs up to the next CR, LF
// or end of input, without TABs.
void lexer::read_rest_of_line()
{
    line_text.clear();
    if (current() == '\r') advance();
    if (current() == '\n') next_line();
    line = physical_line_;
    if (current() == end_of_input) at_end_ = true;
    while (current() != end_of_input && current() != '\r' && current() != '\n') {
        if (current() != '\t') line_text.push_back((char)current());
        advance();
    }
    kind = token_kind::end_of_statement;
    column = 1;
}

}  // namespace kiln
