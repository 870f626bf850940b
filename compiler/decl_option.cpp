// decl_option.cpp: the OPTION statement. It writes no C++; it sets the
// switches that later declarations and the build driver read.
#include "compiler.h"

namespace kiln {

namespace {

// The optional ON/OFF word after CONSOLE, DLL or APISTRING. An option that
// stands alone means ON, and the end of the statement stays current.
bool read_on_off(compiler& c)
{
    c.next();
    if (c.at_end_of_statement()) return true;
    bool on = c.is_word("ON");
    if (!on && !c.is_word("OFF")) throw "ON or OFF expected";
    c.next();
    return on;
}

// RESOURCE "file": the name as the lexer gives it, without its quotes.
void read_resource_file(compiler& c)
{
    c.next();
    if (c.lex.kind != token_kind::string_or_directive || c.lex.text[0] != '"') throw "resource file expected";
    c.resource_file = c.lex.text.substr(1, c.lex.text.size() - 2);
    if (!file_exists(c.resource_file)) throw "resource file not found";
    c.next();
}

}  // namespace

void translate_option(compiler& c)
{
    c.next();
    if (c.is_word("CONSOLE")) {
        c.console = read_on_off(c);
        if (c.console) c.dll = false;
    } else if (c.is_word("DLL")) {
        c.dll = read_on_off(c);
        if (c.dll) c.console = false;
    } else if (c.is_word("APISTRING")) {
        c.apistring = read_on_off(c);
    } else if (c.is_word("RESOURCE")) {
        read_resource_file(c);
    } else {
        if (c.is_word("EXPLICIT"))
            c.explicit_option = true;
        else if (c.is_word("BYREF") || c.is_word("VBDLL"))
            c.byref_default = true;
        else if (c.is_word("BYVAL"))
            c.byref_default = false;
        else if (c.is_word("LIBRARY"))
            c.library_option = true;
        else
            throw "unknown option";
        c.next();
    }
}

}  // namespace kiln
