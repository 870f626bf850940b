// The fatal-error reports and the ends of a program that library code
// needs without a start-up object.
#include "runtime.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

namespace kln {
bool __fatal_active = false;
fatal_report __installed_report = nullptr;

namespace {
// A second report while one is in progress ends at once.
void begin_report()
{
    if (__fatal_active) ExitProcess(1);
    __fatal_active = true;
}

// The message's text up to its first 0 byte; a raw message is empty.
const char* message_text(const string& message) { return message.is_raw() ? "" : message.chars(); }

// "Error: " + text + "\r\n", built without the string heap: an exact-size
// buffer, or a static one (truncated) when the heap fails.
const char* box_text(const char* text)
{
    static char fallback[1024];
    const char* head = "Error: ";
    const char* tail = "\r\n";
    std::size_t size = strlen(head) + strlen(text) + strlen(tail) + 1;
    char* buffer = static_cast<char*>(malloc(size));
    if (!buffer) {
        buffer = fallback;
        size = sizeof fallback;
    }
    snprintf(buffer, size, "%s%s", head, text);
    std::size_t used = strlen(buffer);
    if (used + strlen(tail) >= size) used = size - strlen(tail) - 1;
    strcpy(buffer + used, tail);
    return buffer;
}
}  // namespace

[[noreturn]] void __report_console(const string& message)
{
    begin_report();
    fputs("Error: ", stdout);
    fputs(message_text(message), stdout);
    fputs("\r\n", stdout);
    fflush(stdout);
    __dbg_report();
    exit(1);
}

[[noreturn]] void __report_windowed(const string& message)
{
    begin_report();
    MessageBoxA(NULL, box_text(message_text(message)), "Error", MB_ICONHAND);
    __dbg_report();
    ExitProcess(1);
}

[[noreturn]] void __fatal(const string& message)
{
    if (__installed_report) __installed_report(message);
    __report_windowed(message);
}

[[noreturn]] void __end_program() { exit(0); }

[[noreturn]] void __unhandled()
{
    fflush(stdout);
    _exit(3);
}
}  // namespace kln
