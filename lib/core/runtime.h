// Declarations shared by the run-time's implementation files (not by
// generated code).
#ifndef KLN_RUNTIME_H
#define KLN_RUNTIME_H

#include "core.h"

namespace kln
{
// Throws the preallocated "out of memory" run-time error.
[[noreturn]] void __out_of_memory();

// The fatal report that the start-up object installed (null in a DLL).
typedef void (*fatal_report)(const string& message);
extern fatal_report __installed_report;

// The two reports: "Error: " + message on the console (exit 1), or in a
// box titled "Error" (exit 1). Both set __fatal_active first.
[[noreturn]] void __report_console(const string& message);
[[noreturn]] void __report_windowed(const string& message);

// Writes the trace stack to standard error (tracing core only).
void __dbg_report();

// The program run of the start-up objects.
[[noreturn]] void fatal_error(const string& message);
const char* seh_to_message(unsigned code);
void call_guarded(void (*routine)());
int __run_program();
void __install_fault_filters();
}

#endif
