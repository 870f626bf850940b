// Token dumps of the lexer: each case lists the tokens of a small source as
// "kind:text" (kinds: 1 end of statement, 2 identifier, 3 number,
// 4 string or directive, 5 operator, 6 label).
#include "lexer.h"

#include <gtest/gtest.h>

namespace {

using namespace kiln;

struct lexed {
    std::vector<std::string> tokens;
    std::string error;  // the message thrown, if any
};

lexed lex_all(const std::string& source)
{
    std::istringstream in(source);
    lexer lx(in);
    lexed out;
    try {
        for (int guard = 0; guard < 1000; ++guard) {
            lx.next_token();
            if (lx.at_eof()) break;
            out.tokens.push_back(std::to_string(int(lx.kind)) + ":" + lx.text);
        }
    } catch (const char* message) {
        out.error = message;
    }
    return out;
}

std::string joined(const std::vector<std::string>& tokens)
{
    std::string all;
    for (const auto& t : tokens) all += (all.empty() ? "" : " ") + t;
    return all;
}

struct token_case {
    const char* source;
    const char* tokens;
};

// Stable test names: the case's place in its table.
std::string case_number(const ::testing::TestParamInfo<token_case>& info)
{
    return "case" + std::to_string(info.index);
}

class tokens : public ::testing::TestWithParam<token_case> {};

TEST_P(tokens, dump)
{
    lexed result = lex_all(GetParam().source);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(joined(result.tokens), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    edge_cases, tokens,
    ::testing::Values(
        token_case{"here:\r\nx", "6:here 1: 2:x"}, token_case{"here:\nx", "6:here 1: 2:x"},
        token_case{"here: \r\n", "2:here 1: 1:"}, token_case{"here:\r", "6:here"}, token_case{"x:", "2:x 1:"},
        token_case{"x = y _\r\n+ z", "2:x 5:= 2:y 5:+ 2:z"},
        token_case{"x = y _ ' note\n+ z", "2:x 5:= 2:y 5:+ 2:z"},
        token_case{"&H1F &hff& &H0 &HFFFFFFFF &H100000001", "3:31 3:255 3:0 3:4294967295 3:1"},
        token_case{"12.50& 1e5", "3:12.50 3:1 2:e5"}, token_case{"\"a\\b\"", "4:\"a\\\\b\""},
        token_case{"<> <= >= += ++ -= -- *= /=", "5:<> 5:<= 5:>= 5:+= 5:++ 5:-= 5:-- 5:*= 5:/="},
        token_case{"a<-b", "2:a 5:< 5:- 2:b"}, token_case{"a ' comment\nb", "2:a 1: 2:b"},
        token_case{"a /* one\ntwo */ b", "2:a 2:b"}, token_case{"a /*/ b", "2:a 2:b"},
        token_case{"int Int auto zebra my_int int% kln is",
                   "2:Int 2:Int 2:Auto 2:zebra 2:my_int 2:int% 2:Kln 2:Is"},
        token_case{"this NULL __GNUC__ _cdecl nULL __x", "2:This 2:nULL 2:__gNUC__ 2:_Cdecl 2:nULL 2:__x"},
        token_case{"_x", "2:_x"}, token_case{"x _", "2:x"}, token_case{"a _\n_\r\n_ ' c\nb", "2:a 2:b"},
        token_case{"PRINT x", "2:PRINT 2:x"}, token_case{"#CPP", "4:#CPP"}, token_case{"a:b", "2:a 1: 2:b"},
        token_case{"count$ n% v& d# s! m@", "2:count$ 2:n% 2:v& 2:d# 2:s! 2:m@"},
        token_case{"( ) , . ; = [ ]", "5:( 5:) 5:, 5:. 5:; 5:= 5:[ 5:]"},
        token_case{"\"\xff\" ' \xff\n", "4:\"\xff\" 1:"}),
    case_number);

struct error_case {
    const char* source;
    const char* message;
};

std::string error_number(const ::testing::TestParamInfo<error_case>& info)
{
    return "case" + std::to_string(info.index);
}

class errors : public ::testing::TestWithParam<error_case> {};

TEST_P(errors, message) { EXPECT_EQ(lex_all(GetParam().source).error, GetParam().message); }

INSTANTIATE_TEST_SUITE_P(
    edge_cases, errors,
    ::testing::Values(error_case{"x _ y", "newline expected"}, error_case{"x _ _\ny", "newline expected"},
                      error_case{"\"open", "string constant exceeds line"},
                      error_case{"\"open\r\n\"", "string constant exceeds line"},
                      error_case{"\"open\nmore\"", "string constant exceeds line"},
                      error_case{"&O17", "number base (H, O or B) expected"},
                      error_case{"&B1", "number base (H, O or B) expected"},
                      error_case{"&Hx", "hexadecimal number expected"},
                      error_case{"a ! b", "invalid character"}, error_case{"?", "invalid character"},
                      error_case{"{", "invalid character"}, error_case{"\xe9", "invalid character"}),
    error_number);

TEST(lexer, end_of_input_repeats_where_the_text_ends)
{
    std::istringstream in("abc  ");
    lexer lx(in);
    lx.next_token();
    EXPECT_EQ(lx.column, 1);
    for (int i = 0; i < 3; ++i) {
        lx.next_token();
        EXPECT_TRUE(lx.at_eof());
        EXPECT_EQ(lx.kind, token_kind::end_of_statement);
        EXPECT_EQ(lx.text, "");
        EXPECT_EQ(lx.line, 1);
        EXPECT_EQ(lx.column, 6);
    }
}

// The positions of the end-of-statement tokens of a source, as "line,column".
std::string line_end_positions(const std::string& source)
{
    std::istringstream in(source);
    lexer lx(in);
    std::vector<std::string> seen;
    do {
        lx.next_token();
        if (lx.kind == token_kind::end_of_statement)
            seen.push_back(std::to_string(lx.line) + "," + std::to_string(lx.column));
    } while (!lx.at_eof());
    return joined(seen);
}

// A line end is placed on the line it ends, where it begins: at the LF, at
// the CR of a CR LF pair, at the apostrophe of a trailing comment; the end
// of input is where the text ends.
TEST(lexer, line_ends_are_on_the_line_they_end)
{
    EXPECT_EQ(line_end_positions("ab\ncd\n"), "1,3 2,3 3,1");
    EXPECT_EQ(line_end_positions("ab\r\ncd\r\n"), "1,3 2,3 3,1");
    EXPECT_EQ(line_end_positions("ab\rcd\r"), "1,7");
    EXPECT_EQ(line_end_positions("ab ' note\r\ncd"), "1,4 2,3");
    EXPECT_EQ(line_end_positions("ab /* one\ntwo */\ncd"), "2,7 3,3");
    EXPECT_EQ(line_end_positions("ab _\n  cd\n"), "2,5 3,1");
}

std::string single_token(const std::string& source)
{
    lexed result = lex_all(source);
    return result.tokens.size() == 1 ? result.tokens[0].substr(2) : "<" + joined(result.tokens) + ">";
}

// Every C++ word and every macro name that the generated code meets is
// renamed, ignoring case to the same name, and into a name that is none of
// them.
TEST(lexer, cpp_words_and_macro_names_get_names_of_their_own)
{
    const char* const words[] = {
        "this",    "return", "template", "virtual",  "operator",      "true",
        "nullptr", "friend", "typeof",   "char16_t", "static_assert", "xor_eq",
#include "cpp_macro_names.inc"
    };
    for (const char* word : words) {
        std::string renamed = single_token(word);
        EXPECT_NE(renamed, word);
        EXPECT_TRUE(equal_nocase(renamed, word)) << word;
        EXPECT_EQ(single_token(renamed), renamed) << word;
    }
}

// Any number of continuations, on one line or over many, is lexed without
// growing the stack.
TEST(lexer, long_continuation_chains)
{
    std::string one_line = "x ";
    for (int i = 0; i < 1000000; ++i) one_line += "_ ";
    EXPECT_EQ(lex_all(one_line).error, "newline expected");
    std::string many_lines = "x";
    for (int i = 0; i < 1000000; ++i) many_lines += " _\n";
    many_lines += "y";
    EXPECT_EQ(joined(lex_all(many_lines).tokens), "2:x 2:y");
}

// A UTF-8 byte-order mark is not skipped: the file fails at its first byte.
TEST(lexer, byte_order_mark_is_an_invalid_character)
{
    std::istringstream in(
        "\xef\xbb\xbf"
        "DIM x\n");
    lexer lx(in);
    EXPECT_THROW(
        try { lx.next_token(); } catch (const char* message) {
            EXPECT_STREQ(message, "invalid character");
            throw;
        },
        const char*);
    EXPECT_EQ(lx.line, 1);
    EXPECT_EQ(lx.column, 1);
}

// A NUL byte would end the text early in C++ and in the module file.
TEST(lexer, nul_in_a_string_is_an_error_at_its_column)
{
    std::istringstream in(std::string("x\n  y = \"ab\0c\"", 14));
    lexer lx(in);
    lx.next_token();
    lx.next_token();
    lx.next_token();
    lx.next_token();
    EXPECT_THROW(
        try { lx.next_token(); } catch (const char* message) {
            EXPECT_STREQ(message, "NUL character in string constant");
            throw;
        },
        const char*);
    EXPECT_EQ(lx.line, 2);
    EXPECT_EQ(lx.column, 10);
}

TEST(lexer, lines_and_columns_are_physical)
{
    std::istringstream in("a  bb\r\n/* x\r\n y */ c _\r\n  d\n\"s\" e");
    lexer lx(in);
    std::vector<std::string> seen;
    for (lx.next_token(); !lx.at_eof(); lx.next_token())
        if (lx.kind != token_kind::end_of_statement)
            seen.push_back(lx.text + "@" + std::to_string(lx.line) + "," + std::to_string(lx.column));
    EXPECT_EQ(joined(seen), "a@1,1 bb@1,4 c@3,7 d@4,3 \"s\"@5,1 e@5,5");
}

TEST(lexer, crlf_and_lf_sources_lex_alike)
{
    const char* crlf = "SUB Main\r\n  x = \"a\" ' c\r\nEND SUB\r\n";
    const char* lf = "SUB Main\n  x = \"a\" ' c\nEND SUB\n";
    EXPECT_EQ(joined(lex_all(crlf).tokens), joined(lex_all(lf).tokens));
}

// The raw lines of a "#CPP" block, collected the way the frame does it.
std::vector<std::string> raw_lines(const std::string& source)
{
    std::istringstream in(source);
    lexer lx(in);
    lx.next_token();
    std::vector<std::string> lines;
    for (;;) {
        lx.read_rest_of_line();
        if (lx.at_eof()) {
            lines.push_back("<eof>");
            break;
        }
        if (equal_nocase(lx.line_text, "#KLN")) break;
        lines.push_back(lx.line_text);
    }
    lx.next_token();
    lines.push_back("next=" + std::to_string(int(lx.kind)) + "@" + std::to_string(lx.line));
    return lines;
}

TEST(lexer, cpp_block_lines)
{
    EXPECT_EQ(joined(raw_lines("#CPP\r\nint a;\r\n\r\n\tint b;\r\n#KLN\r\nx")), "int a;  int b; next=1@5");
    EXPECT_EQ(joined(raw_lines("#CPP\nint a;\n\n\tint b;\n#KLN\nx")), "int a;  int b; next=1@5");
    EXPECT_EQ(joined(raw_lines("#CPP text\r\nmore\r\n#KLN\r\n")), "text more next=1@3");
    EXPECT_EQ(joined(raw_lines("#CPP \r\nmore\r\n#KLN\r\n")), "more next=1@3");
    EXPECT_EQ(joined(raw_lines("#CPP\r\nint a;")), "int a; <eof> next=1@2");
}

}  // namespace
