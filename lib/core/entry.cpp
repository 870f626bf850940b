// The program run shared by the console and windowed start-up objects.
#include "runtime.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <exception>

extern "C" void __init_all();
extern "C" void Main();
extern "C" void __final_all();

namespace kln {
namespace {
// Runs before the program's static initialisation: from here on a fault
// or an unhandled exception ends the program with a report, never with a
// debugger.
__attribute__((constructor(101))) void prepare_process()
{
    _setmode(_fileno(stdout), _O_BINARY);  // PRINT and the reports write their own "\r\n"
    _setmode(_fileno(stderr), _O_BINARY);
    setvbuf(stdout, NULL, _IONBF, 0);
    __installed_report = &fatal_error;
    std::set_terminate(&__terminate_process);
    __install_fault_filters();
}
}  // namespace

int __run_program()
{
    try {
        call_guarded(__init_all);
        call_guarded(Main);
        call_guarded(__final_all);
        __release_libs();
    } catch (const string& e) {
        fatal_error(e);
    } catch (kln::end) {
    }
    return 0;
}
}  // namespace kln
