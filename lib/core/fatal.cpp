// The fatal-error reports and the ends of a program that library code
// needs without a start-up object.
#include "runtime.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <exception>

namespace kln {
bool __fatal_active = false;
bool __ending = false;
fatal_report __installed_report = nullptr;

namespace {
// A second report while one is in progress ends at once.
void begin_report()
{
    if (__fatal_active) ExitProcess(1);
    __fatal_active = true;
    __ending = true;
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

[[noreturn]] void __end_program()
{
    __ending = true;
    exit(0);
}

[[noreturn]] void __unhandled()
{
    __ending = true;
    fflush(stdout);
    _exit(3);
}

namespace {
[[noreturn]] void report_unhandled()
{
    fputs("terminate called after throwing an exception\r\n", stderr);
    __unhandled();
}
}  // namespace

[[noreturn]] void __end_for_exception()
{
    try {
        throw;
    } catch (const string& e) {
        __fatal(e);
    } catch (const kln::end&) {
        __end_program();
    } catch (...) {
    }
    report_unhandled();
}

// A run-time error or END that C++ could not unwind further (one thrown
// out of a destructor, such as a module's finalization) still ends as at
// the entry.
[[noreturn]] void __terminate_process()
{
    if (std::current_exception()) __end_for_exception();
    report_unhandled();
}
}  // namespace kln
