// Calls of procedure addresses stored by the GUI library (event handlers
// given with ADDRESSOF). The stack pointer is restored after the call, so a
// handler declared with fewer parameters than it is passed cannot unbalance
// the caller.
#include "runtime.h"

namespace kln {
int __call_proc(int address, int count, const int* args)
{
    int result;
    asm volatile(
        "movl %%esp, %%ebx\n\t"
        "testl %%ecx, %%ecx\n\t"
        "jz 2f\n"
        "1:\n\t"
        "pushl -4(%%esi,%%ecx,4)\n\t"
        "decl %%ecx\n\t"
        "jnz 1b\n"
        "2:\n\t"
        "call *%%edx\n\t"
        "movl %%ebx, %%esp"
        : "=a"(result), "+c"(count), "+d"(address)
        : "S"(args)
        : "ebx", "memory", "cc");
    return result;
}

// The handler receives the address of this function's own counted copy of
// the event object, as a by-value kln::ref parameter expects.
void __call_event(int address, kln::ref<kln::object> e)
{
    int argument = static_cast<int>(reinterpret_cast<std::size_t>(__builtin_addressof(e)));
    __call_proc(address, 1, &argument);
}
}  // namespace kln
