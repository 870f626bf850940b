// PRINT and INPUT on the console (standard output and standard input).
#include "runtime.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace kln {
printer print;
reader input;

namespace {
// Writes a text up to its first 0 byte; a raw text writes nothing.
void write_text(const string& s)
{
    if (s.is_raw()) return;
    fputs(s.chars(), stdout);
}
}  // namespace

printer& printer::operator<<(const variant& v)
{
    if (v.is_text())
        write_text(v.str());
    else
        number(v.num());
    return *this;
}

printer& printer::operator<<(const string& s)
{
    write_text(s);
    return *this;
}

printer& printer::number(double d)
{
    write_text(__format_number(d));
    return *this;
}

bool reader::read_line(string& text)
{
    int capacity = 128, length = 0;
    char* line = static_cast<char*>(malloc(capacity));
    if (!line) __out_of_memory();
    int c = 0;
    bool any = false;
    while ((c = fgetc(stdin)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (c == '\r') continue;
        if (length == capacity) {
            char* larger = static_cast<char*>(realloc(line, capacity *= 2));
            if (!larger) {
                free(line);
                __out_of_memory();
            }
            line = larger;
        }
        line[length++] = static_cast<char>(c);
    }
    try {
        if (any) text = string(line, length);
    } catch (...) {
        free(line);
        throw;
    }
    free(line);
    return any;
}
}  // namespace kln
