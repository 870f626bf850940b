// Start-up of windowed programs: the entry and the message-box report.
#include "runtime.h"

#include <windows.h>

namespace kln {
[[noreturn]] void fatal_error(const string& message) { __report_windowed(message); }
}  // namespace kln

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return kln::__run_program(); }
