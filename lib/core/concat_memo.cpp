// The memory of the last concatenation r = a + b, which turns the loop
// `s = s + x` from quadratic into linear time without changing any value.
//
// After `s = s + x`, s holds r and lets go of a's block; that block is kept
// as the spare, because its text is the first length(a) bytes of r's. The
// next concatenation onto r then extends the spare by what r holds beyond
// that prefix plus the new right operand, instead of copying all of r: a
// block nobody else can see is as fresh as a new one.
//
// The memory ends when r is freed, when a writable pointer to either block
// is handed out (string::text), and when another concatenation replaces it.
#include "runtime.h"

namespace kln
{
char* __concat_result;
char* __concat_left;

namespace
{
int left_length;    // r's text begins with the first left_length bytes of left's
bool left_is_spare; // nobody holds the left block any more

void free_spare()
{
    if (left_is_spare)
        __block_free(__concat_left, __string_bytes(reinterpret_cast<int*>(__concat_left)[1]));
}

void clear()
{
    __concat_result = nullptr;
    __concat_left = nullptr;
    left_is_spare = false;
}
}

void __forget_concat()
{
    free_spare();
    clear();
}

void __concat_record(char* result, char* left, int length)
{
    free_spare();
    __concat_result = result;
    __concat_left = left;
    left_length = length;
    left_is_spare = false;
}

char* __concat_take_spare(const char* left, int* prefix)
{
    if (left != __concat_result || !left_is_spare) return nullptr;
    char* spare = __concat_left;
    *prefix = left_length;
    clear();
    return spare;
}

bool __concat_keeps(char* block)
{
    if (block == __concat_result) {
        __forget_concat();
        return false;
    }
    if (block != __concat_left || left_is_spare) return false;
    left_is_spare = true;
    return true;
}

void __concat_moved(char* from, char* to)
{
    if (from == __concat_result) __concat_result = to;
    if (from == __concat_left) __concat_left = to;
}
}
