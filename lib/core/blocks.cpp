// Storage of string blocks. A block's size is always the size class of
// what it holds (header, text and terminator), so the room left in a block
// follows from its length alone: a block that nobody shares can grow in
// place, and the classes grow geometrically (about 1.25 per class), so
// repeated appends cost amortised constant time. Small classes are kept
// on free lists, because short-lived small strings dominate (every
// literal of a generated program is a new block).
#include "runtime.h"

#include <stdlib.h>
#include <string.h>

namespace kln
{
namespace
{
const std::size_t largest_pooled = 256;
const int pooled_classes = 12;
const int pool_limit = 1024;  // blocks kept per class

struct free_block
{
    free_block* next;
};

free_block* pools[pooled_classes];
int pooled[pooled_classes];

// Small blocks are cleared word by word: a library call costs more here.
void clear(unsigned* words, std::size_t size)
{
    for (std::size_t i = 0; i < size / sizeof(unsigned); ++i) words[i] = 0;
}

int pool_index(std::size_t size)
{
    if (size <= 64) return static_cast<int>(size / 16) - 1;
    if (size <= 128) return 4 + static_cast<int>((size - 65) / 16);
    return 8 + static_cast<int>((size - 129) / 32);
}
}

char* __block_allocate(std::size_t bytes)
{
    std::size_t size = __block_class(bytes);
    if (size <= largest_pooled) {
        int i = pool_index(size);
        if (free_block* b = pools[i]) {
            pools[i] = b->next;
            --pooled[i];
            clear(reinterpret_cast<unsigned*>(b), size);
            return reinterpret_cast<char*>(b);
        }
    }
    char* block = static_cast<char*>(calloc(1, size));
    if (!block) __out_of_memory();
    return block;
}

void __block_free(char* block, std::size_t bytes)
{
    std::size_t size = __block_class(bytes);
    if (size <= largest_pooled) {
        int i = pool_index(size);
        if (pooled[i] < pool_limit) {
            free_block* b = reinterpret_cast<free_block*>(block);
            b->next = pools[i];
            pools[i] = b;
            ++pooled[i];
            return;
        }
    }
    free(block);
}

char* __block_resize(char* block, std::size_t old_bytes, std::size_t new_bytes)
{
    std::size_t old_size = __block_class(old_bytes), new_size = __block_class(new_bytes);
    if (old_size == new_size) return block;
    if (old_size > largest_pooled && new_size > largest_pooled) {
        char* moved = static_cast<char*>(realloc(block, new_size));
        if (!moved) __out_of_memory();
        return moved;
    }
    char* moved = __block_allocate(new_bytes);
    memcpy(moved, block, old_size < new_size ? old_size : new_size);
    __block_free(block, old_bytes);
    return moved;
}
}
