// decl_option.cpp: the OPTION statement. It writes no C++; it sets the
// switches that later declarations and the build driver read.
#include "kln.h"

namespace {

// The optional ON/OFF word after CONSOLE, DLL or APISTRING. An option that
// stands alone means ON, and the end of the statement stays current.
bool read_on_off(compiler& c)
{
    c.next();
    if (c.lex.kind == end_of_statement) return true;
    bool on = equal_nocase(c.lex.text, "ON");
    if (!on && !equal_nocase(c.lex.text, "OFF")) throw "ON or OFF expected";
    c.next();
    return on;
}

// RESOURCE "file": the name as the lexer gives it, without its quotes.
void read_resource_file(compiler& c)
{
    c.next();
    if (c.lex.kind != string_or_directive || c.lex.text[0] != '"') throw "resource file expected";
    c.resource_file = c.lex.text.substr(1, c.lex.text.size() - 2);
    if (!file_exists(c.resource_file)) throw "resource file not found";
    c.next();
}

}  // namespace

void compiler::translate_option()
{
    next();
    const std::string option = lex.text;
    if (equal_nocase(option, "CONSOLE")) {
        console = read_on_off(*this);
        if (console) dll = false;
    } else if (equal_nocase(option, "DLL")) {
        dll = read_on_off(*this);
        if (dll) console = false;
    } else if (equal_nocase(option, "APISTRING")) {
        apistring = read_on_off(*this);
    } else if (equal_nocase(option, "RESOURCE")) {
        read_resource_file(*this);
    } else {
        if (equal_nocase(option, "EXPLICIT"))
            explicit_option = true;
        else if (equal_nocase(option, "BYREF") || equal_nocase(option, "VBDLL"))
            byref_default = true;
        else if (equal_nocase(option, "BYVAL"))
            byref_default = false;
        else if (equal_nocase(option, "LIBRARY"))
            library_option = true;
        else
            throw "unknown option";
        next();
    }
}
