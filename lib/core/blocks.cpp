// Storage of string blocks: what the small classes' free lists cannot
// serve (runtime.h holds those fast paths), and resizing.
#include "runtime.h"

#include <malloc.h>
#include <stdlib.h>
#include <string.h>

namespace kln {
__block_pool __block_pools[__pooled_classes];

char* __block_allocate_new(std::size_t size)
{
    char* block = static_cast<char*>(malloc(size));
    if (!block) __out_of_memory();
    return block;
}

void __block_release(char* block) { free(block); }

char* __block_resize(char* block, std::size_t old_bytes, std::size_t new_bytes)
{
    std::size_t old_size = __block_class(old_bytes), new_size = __block_class(new_bytes);
    if (old_size == new_size) return block;
    // A heap block grows in place when the heap can; otherwise it moves with
    // memcpy, not the heap's own copy, which Wine's heap does byte by byte.
    if (old_size > __largest_pooled && new_size > __largest_pooled && _expand(block, new_size)) return block;
    char* moved = __block_allocate(new_bytes);
    memcpy(moved, block, old_size < new_size ? old_size : new_size);
    __block_free(block, old_bytes);
    return moved;
}
}  // namespace kln
