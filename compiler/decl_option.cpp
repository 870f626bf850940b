// decl_option.cpp: the OPTION statement. It writes no C++; it sets the
// switches that later declarations and the build driver read.
#include "kln.h"
#include "stmt.h"

namespace {

// The optional ON/OFF word after CONSOLE, DLL or APISTRING. An option that
// stands alone means ON, and the end of the statement stays current.
bool read_on_off(compiler& c)
{
    c.next();
    if (at_end_of_statement(c)) return true;
    bool on = is_word(c, "ON");
    if (!on && !is_word(c, "OFF")) throw "ON or OFF expected";
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
    if (is_word(*this, "CONSOLE")) {
        console = read_on_off(*this);
        if (console) dll = false;
    } else if (is_word(*this, "DLL")) {
        dll = read_on_off(*this);
        if (dll) console = false;
    } else if (is_word(*this, "APISTRING")) {
        apistring = read_on_off(*this);
    } else if (is_word(*this, "RESOURCE")) {
        read_resource_file(*this);
    } else {
        if (is_word(*this, "EXPLICIT"))
            explicit_option = true;
        else if (is_word(*this, "BYREF") || is_word(*this, "VBDLL"))
            byref_default = true;
        else if (is_word(*this, "BYVAL"))
            byref_default = false;
        else if (is_word(*this, "LIBRARY"))
            library_option = true;
        else
            throw "unknown option";
        next();
    }
}
