// The open-call scan of the call tips: which call, and which argument, the
// caret stands in.

#include "CallScanner.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kforge {
namespace {

constexpr int kLineEnd = 1000;  // a caret column past every line below

struct Case {
    const char* what;
    std::string line;
    int col;
    char escape;
    std::string delimiters;
    std::optional<CallFrame> call;
};

void ExpectCall(const Case& c)
{
    SCOPED_TRACE(std::string(c.what) + ": [" + c.line + "] col " + std::to_string(c.col));
    const std::optional<CallFrame> call = ScanOpenCall(c.line, c.col, c.escape, c.delimiters);
    ASSERT_EQ(call.has_value(), c.call.has_value());
    if (call) {
        EXPECT_EQ(call->name, c.call->name);
        EXPECT_EQ(call->argNo, c.call->argNo);
    }
}

TEST(ScanOpenCall, CallsAndArguments)
{
    const Case cases[] = {
        {"first argument", "s = Left(", kLineEnd, 0, "\"", CallFrame{"Left", 1}},
        {"second argument after a comma", "s = Left(s, ", kLineEnd, 0, "\"", CallFrame{"Left", 2}},
        {"third argument", "x = Mid(a,b,c", kLineEnd, 0, "\"", CallFrame{"Mid", 3}},
        {"call at the line start", "Left(", kLineEnd, 0, "\"", CallFrame{"Left", 1}},
        {"no call", "x = 1 + y", kLineEnd, 0, "\"", std::nullopt},
        {"closed call", "x = Left(s, 1)", kLineEnd, 0, "\"", std::nullopt},
        {"closed call and more text", "x = Left(s, 1) + Len(s) ", kLineEnd, 0, "\"", std::nullopt},
        {"stray closing parenthesis", "x) + Len(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
        {"only closing parentheses", "))", kLineEnd, 0, "\"", std::nullopt},
        {"comma outside a call", "DIM a, b", kLineEnd, 0, "\"", std::nullopt},
        {"empty line", "", kLineEnd, 0, "\"", std::nullopt},
    };
    for (const Case& c : cases) ExpectCall(c);
}

TEST(ScanOpenCall, CaretColumn)
{
    const std::string line = "x = Left(s, Len(t)) + 1";
    const Case cases[] = {
        {"caret at 0", line, 0, 0, "\"", std::nullopt},
        {"caret before the (", line, 8, 0, "\"", std::nullopt},
        {"caret right after the (", line, 9, 0, "\"", CallFrame{"Left", 1}},
        {"caret before the comma", line, 10, 0, "\"", CallFrame{"Left", 1}},
        {"caret after the comma", line, 11, 0, "\"", CallFrame{"Left", 2}},
        {"caret in the inner call", line, 16, 0, "\"", CallFrame{"Len", 1}},
        {"caret after the inner call", line, 18, 0, "\"", CallFrame{"Left", 2}},
        {"caret after the outer call", line, 19, 0, "\"", std::nullopt},
        {"negative column", line, -5, 0, "\"", std::nullopt},
        {"column past the end", "Left(a,", kLineEnd, 0, "\"", CallFrame{"Left", 2}},
    };
    for (const Case& c : cases) ExpectCall(c);
}

TEST(ScanOpenCall, NestedCalls)
{
    const Case cases[] = {
        {"complete inner call keeps the outer one", "Foo(Bar(1, 2), ", kLineEnd, 0, "\"",
         CallFrame{"Foo", 2}},
        {"comma count goes on after the inner call", "Foo(1, Bar(2), 3, ", kLineEnd, 0, "\"",
         CallFrame{"Foo", 4}},
        {"open inner call", "Foo(1, Bar(2, ", kLineEnd, 0, "\"", CallFrame{"Bar", 2}},
        {"comma does not start a token", "Foo(1,Bar(", kLineEnd, 0, "\"", CallFrame{"1,Bar", 1}},
        {"parenthesised expression", "Foo((a + b), ", kLineEnd, 0, "\"", CallFrame{"Foo", 2}},
        {"three levels", "A(B(C(", kLineEnd, 0, "\"", CallFrame{"C", 1}},
        {"back to the outermost", "A(B(C(1)), ", kLineEnd, 0, "\"", CallFrame{"A", 2}},
    };
    for (const Case& c : cases) ExpectCall(c);
}

TEST(ScanOpenCall, Names)
{
    const Case cases[] = {
        {"blanks before the ( stay in the name", "x = Foo  (", kLineEnd, 0, "\"", CallFrame{"Foo  ", 1}},
        {"a tab before the (", "x = Foo\t(", kLineEnd, 0, "\"", CallFrame{"Foo\t", 1}},
        {"member call", "obj.Method(", kLineEnd, 0, "\"", CallFrame{"Method", 1}},
        {"module-qualified call", "System.Left(", kLineEnd, 0, "\"", CallFrame{"Left", 1}},
        {"after =", "x=Left(", kLineEnd, 0, "\"", CallFrame{"Left", 1}},
        {"after <", "IF a<Len(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
        {"after >", "IF a>Len(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
        {"after !", "a!Len(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
        {"after @", "a@Len(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
        {"after |", "a|Len(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
        {"after a tab", "\tLen(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
        {"+ does not separate", "x+Len(", kLineEnd, 0, "\"", CallFrame{"x+Len", 1}},
        {"- does not separate", "x-Len(", kLineEnd, 0, "\"", CallFrame{"x-Len", 1}},
        {"* does not separate", "x*Len(", kLineEnd, 0, "\"", CallFrame{"x*Len", 1}},
        {"/ does not separate", "x/Len(", kLineEnd, 0, "\"", CallFrame{"x/Len", 1}},
        {"& does not separate", "x&Len(", kLineEnd, 0, "\"", CallFrame{"x&Len", 1}},
        {"( alone", "(", kLineEnd, 0, "\"", CallFrame{"", 1}},
        // An empty token falls back to the previous one, which a blank only
        // moves on when a token stood before it.
        {"( after blanks only", "   (", kLineEnd, 0, "\"", CallFrame{"   ", 1}},
        {"( after a =", "x = (", kLineEnd, 0, "\"", CallFrame{"x = ", 1}},
        {"( right after a call's (", "Foo((", kLineEnd, 0, "\"", CallFrame{"Foo(", 1}},
    };
    for (const Case& c : cases) ExpectCall(c);
}

TEST(ScanOpenCall, Strings)
{
    const Case cases[] = {
        {"( and , in a string count nothing", "Foo(\"(,\", ", kLineEnd, 0, "\"", CallFrame{"Foo", 2}},
        {"caret inside a string", "Foo(\"a, b", kLineEnd, 0, "\"", CallFrame{"Foo", 1}},
        {"escaped quote does not end the string", "Foo(\"a\\\"(,\", ", kLineEnd, '\\', "\"",
         CallFrame{"Foo", 2}},
        {"escaped escape char", "Foo(\"a\\\\\", ", kLineEnd, '\\', "\"", CallFrame{"Foo", 2}},
        {"no escape char: the quote ends the string", "Foo(\"a\\\", ", kLineEnd, 0, "\"",
         CallFrame{"Foo", 2}},
        {"escape char outside strings is plain", "Foo(\\, ", kLineEnd, '\\', "\"", CallFrame{"Foo", 2}},
        {"each quote closes only itself", "Foo('a\"(,', ", kLineEnd, 0, "\"'", CallFrame{"Foo", 2}},
        {"second delimiter", "Foo('(,', ", kLineEnd, 0, "\"'", CallFrame{"Foo", 2}},
        {"not a delimiter", "Foo('a, ", kLineEnd, 0, "\"", CallFrame{"Foo", 2}},
        {"no delimiters", "Foo(\"(", kLineEnd, 0, "", CallFrame{"\"", 1}},
        {"string then call", "x = \"a(b\" + Len(", kLineEnd, 0, "\"", CallFrame{"Len", 1}},
    };
    for (const Case& c : cases) ExpectCall(c);
}

TEST(ScanOpenCall, BytesBeyondAscii)
{
    const Case cases[] = {
        {"name with high bytes", "x = \xC4rger(", kLineEnd, 0, "\"", CallFrame{"\xC4rger", 1}},
        {"NUL byte is an ordinary byte", std::string("Foo(a\0b, ", 9), kLineEnd, 0, "\"",
         CallFrame{"Foo", 2}},
        {"NUL is no escape char when there is none", std::string("Foo(\"\0\", ", 9), kLineEnd, 0, "\"",
         CallFrame{"Foo", 2}},
    };
    for (const Case& c : cases) ExpectCall(c);
}

}  // namespace
}  // namespace kforge
