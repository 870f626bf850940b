// Declarations shared by the run-time's implementation files (not by
// generated code).
#ifndef KLN_RUNTIME_H
#define KLN_RUNTIME_H

#include "core.h"

namespace kln {
// String block storage: `bytes` is what the block holds (header, text,
// terminator); blocks are not cleared and are freed with the same `bytes`.
// A block's size is always the size class of its `bytes`, so the room left
// in a block follows from its length alone: a block that nobody shares can
// grow in place, and the classes grow geometrically (about 1.25 per class),
// so repeated appends cost amortised constant time. The classes are 16-byte
// steps up to 64 bytes, then four per power of two (`power` < bytes <=
// 2 * power).
inline std::size_t __block_class(std::size_t bytes)
{
    if (bytes <= 64) return (bytes + 15) & ~std::size_t(15);
    std::size_t power = std::size_t(1) << (31 - __builtin_clz(static_cast<unsigned>(bytes - 1)));
    std::size_t step = power / 4;
    return (bytes + step - 1) & ~(step - 1);
}

// Free lists of the small classes (blocks.cpp). Short-lived small strings
// dominate (every literal of a generated program is a new block), so their
// allocation and release are inline.
struct __block_pool {
    char* head;  // each free block starts with the next one's address
    int count;
};
const std::size_t __largest_pooled = 256;
const int __pooled_classes = 12;
const int __pool_limit = 1024;  // blocks kept per class
extern __block_pool __block_pools[__pooled_classes];

// The free list of a class of at most __largest_pooled bytes.
inline __block_pool& __pool_of(std::size_t size)
{
    if (size <= 64) return __block_pools[size / 16 - 1];
    if (size <= 128) return __block_pools[4 + (size - 65) / 16];
    return __block_pools[8 + (size - 129) / 32];
}

// A new block of `size` bytes from the heap, or the "out of memory" error.
char* __block_allocate_new(std::size_t size);
// Returns a block to the heap.
void __block_release(char* block);

inline char* __block_allocate(std::size_t bytes)
{
    std::size_t size = __block_class(bytes);
    if (size <= __largest_pooled) {
        __block_pool& pool = __pool_of(size);
        if (char* block = pool.head) {
            pool.head = *reinterpret_cast<char**>(block);
            --pool.count;
            return block;
        }
    }
    return __block_allocate_new(size);
}

inline void __block_free(char* block, std::size_t bytes)
{
    std::size_t size = __block_class(bytes);
    if (size <= __largest_pooled) {
        __block_pool& pool = __pool_of(size);
        if (pool.count < __pool_limit) {
            *reinterpret_cast<char**>(block) = pool.head;
            pool.head = block;
            ++pool.count;
            return;
        }
    }
    __block_release(block);
}

// The block's storage for `new_bytes`, moved when its class changes.
char* __block_resize(char* block, std::size_t old_bytes, std::size_t new_bytes);

// The fatal report that the start-up object installed.
typedef void (*fatal_report)(const string& message);
extern fatal_report __installed_report;

// Set when the process ends through a fatal report, END or an unhandled
// exception: a DLL then skips its finalizations, as a program does.
extern bool __ending;

// Ends the process for the exception being handled (inside a catch block):
// a run-time error with the fatal report, END with exit code 0, anything
// else with code 3, saying so on standard error.
[[noreturn]] void __end_for_exception();
// The terminate handler of programs and DLLs: the same ends for an
// exception that C++ could not unwind further.
[[noreturn]] void __terminate_process();

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
void call_guarded(void (*routine)(void*), void* context);
int __run_program();
// The fault guard: the handler for faults inside this image alone (a DLL),
// or with the process's unhandled-exception filter too (a program).
void __install_fault_handler();
void __remove_fault_handler();
void __install_fault_filters();
}  // namespace kln

#endif
