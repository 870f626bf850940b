// Start-up of console programs: the entry and the console report.
#include "runtime.h"

namespace kln {
[[noreturn]] void fatal_error(const string& message) { __report_console(message); }
}  // namespace kln

int main() { return kln::__run_program(); }
