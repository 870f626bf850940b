// The out-of-line parts of arrays, collections and dictionaries.
#include "runtime.h"

#include <string.h>

namespace kln {
[[noreturn]] void __subscript_out_of_range() { __throw("subscript out of range"); }

string __position_key(int position) { return __format_number(position); }

namespace {
unsigned hash(const string& key)
{
    unsigned h = 2166136261u;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(key.chars());
    for (int i = 0; i < key.length(); ++i) h = (h ^ p[i]) * 16777619u;
    return h;
}

bool same_key(const string& a, const string& b)
{
    return a.length() == b.length() && memcmp(a.chars(), b.chars(), a.length()) == 0;
}
}  // namespace

int __key_index::find(const __sequence<string>& keys, const string& key)
{
    catch_up(keys);
    if (capacity == 0) return -1;
    for (unsigned i = hash(key) & (capacity - 1);; i = (i + 1) & (capacity - 1)) {
        int position = slots[i];
        if (position < 0) return -1;
        if (same_key(keys[position], key)) return position;
    }
}

// Keeps the table at most half full; a larger table is filled anew.
void __key_index::catch_up(const __sequence<string>& keys)
{
    if (indexed == keys.size()) return;
    if (2 * (keys.size() + 1) > capacity) {
        int grown = 16;
        while (grown < 2 * (keys.size() + 1)) grown *= 2;
        int* table = static_cast<int*>(__alloc_zeroed(sizeof(int) * static_cast<std::size_t>(grown)));
        __free(slots);
        slots = table;
        capacity = grown;
        for (int i = 0; i < capacity; ++i) slots[i] = -1;
        indexed = 0;
    }
    for (; indexed < keys.size(); ++indexed) insert(keys, indexed);
}

// Frees the slot of the removed key, moves the later entries of its probe
// run back (so no look-up stops early) and renumbers the positions after it.
void __key_index::erased(const __sequence<string>& keys, int position)
{
    if (indexed != keys.size() + 1) {
        invalidate();
        return;
    }
    int freed = -1;
    for (int i = 0; i < capacity; ++i) {
        if (slots[i] == position)
            freed = i, slots[i] = -1;
        else if (slots[i] > position)
            --slots[i];
    }
    --indexed;
    if (freed < 0) {
        invalidate();
        return;
    }
    unsigned mask = capacity - 1;
    for (unsigned j = freed, k = (freed + 1) & mask; slots[k] >= 0; k = (k + 1) & mask) {
        unsigned home = hash(keys[slots[k]]) & mask;
        bool between = j <= k ? (home > j && home <= k) : (home > j || home <= k);
        if (between) continue;
        slots[j] = slots[k];
        slots[k] = -1;
        j = k;
    }
}

void __key_index::insert(const __sequence<string>& keys, int position)
{
    unsigned i = hash(keys[position]) & (capacity - 1);
    while (slots[i] >= 0) i = (i + 1) & (capacity - 1);
    slots[i] = position;
}
}  // namespace kln
