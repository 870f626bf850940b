// Heap allocation of the run-time and its one error value for a failed
// allocation.
#include "runtime.h"

#include <stdlib.h>

namespace kln {
namespace {
// A static block whose count never reaches 0: reporting an exhausted heap
// must not need the heap.
struct {
    int count;
    int length;
    char text[14];
} out_of_memory_block = {0x40000000, 13, "out of memory"};
}  // namespace

[[noreturn]] void __out_of_memory()
{
    throw string::from_handle(reinterpret_cast<char*>(&out_of_memory_block));
}

void* new_zeroed(unsigned count, unsigned size) { return calloc(count, size); }

void* __alloc_zeroed(std::size_t size)
{
    void* p = calloc(1, size ? size : 1);
    if (!p) __out_of_memory();
    return p;
}

void __free(void* p) { free(p); }

[[noreturn]] void __throw(const char* message) { throw string(message); }
}  // namespace kln
