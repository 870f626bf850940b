// Declarations shared by the run-time's implementation files (not by
// generated code).
#ifndef KLN_RUNTIME_H
#define KLN_RUNTIME_H

#include "core.h"

namespace kln
{
// Throws the preallocated "out of memory" run-time error.
[[noreturn]] void __out_of_memory();

// String block storage: `bytes` is what the block holds (header, text,
// terminator); blocks are zero-filled and freed with the same `bytes`.
// A block's size is the size class of its `bytes`: 16-byte steps up to 64
// bytes, then four classes per power of two (`power` < bytes <= 2 * power).
inline std::size_t __block_class(std::size_t bytes)
{
    if (bytes <= 64) return (bytes + 15) & ~std::size_t(15);
    std::size_t power = std::size_t(1) << (31 - __builtin_clz(static_cast<unsigned>(bytes - 1)));
    std::size_t step = power / 4;
    return (bytes + step - 1) & ~(step - 1);
}
char* __block_allocate(std::size_t bytes);
void __block_free(char* block, std::size_t bytes);
// The block's storage for `new_bytes`, moved when its class changes.
char* __block_resize(char* block, std::size_t old_bytes, std::size_t new_bytes);

// The bytes of a string block with a text of `length` bytes: header, text
// and terminator.
inline std::size_t __string_bytes(int length) { return 2 * sizeof(int) + static_cast<std::size_t>(length) + 1; }

// Reuse of the last concatenation's blocks (concat_memo.cpp).
// Remembers that the text of `result` begins with the first `left_length`
// bytes of the text of `left` (null for a raw left operand).
void __concat_record(char* result, char* left, int left_length);
// For a concatenation onto `left`: the block of the last concatenation's
// left operand once nobody holds it, whose text is the first `*prefix`
// bytes of left's; null when there is none. The caller owns the block.
char* __concat_take_spare(const char* left, int* prefix);
// A block whose count reached 0: whether it is kept as the spare.
bool __concat_keeps(char* block);
// A block grown in place that moved from `from` to `to`.
void __concat_moved(char* from, char* to);

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
