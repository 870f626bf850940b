// Finds the call whose argument list the caret stands in, for the call tips.
#pragma once

#include <optional>
#include <string>

namespace kforge {

// An open call: the name before its "(" and the argument the caret is in,
// counted from 1.
struct CallFrame {
    std::string name;
    int argNo;
};

// Scans the bytes of line before column col (clamped to 0..length) and
// returns the innermost call still open there, or nothing.
//
// Outside strings: a blank or tab starts a new token (the token before it is
// kept as the previous one); "! . < = > @ |" start a new token; "(" opens a
// call named by the current token, or by the previous token with the blanks
// after it when the current one is empty; ")" closes the innermost call; ","
// moves it to its next argument (and does not start a token, so "Foo(1,Bar("
// names "1,Bar"). A byte of delimiters opens a string that the same byte
// closes; inside it the escape byte (0 for none) makes the next byte plain.
std::optional<CallFrame> ScanOpenCall(const std::string& line, int col, char escape,
                                      const std::string& delimiters);

}  // namespace kforge
