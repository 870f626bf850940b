// The out-of-line parts of arrays, collections and dictionaries.
#include "runtime.h"

#include <string.h>

namespace kln
{
[[noreturn]] void __subscript_out_of_range()
{
    __throw("subscript out of range");
}

string __position_key(int position)
{
    return __format_number(position);
}

int __find_key(const __sequence<string>& keys, const string& key)
{
    int length = key.length();
    for (int i = 0; i < keys.size(); ++i)
        if (keys[i].length() == length && memcmp(keys[i].text(), key.text(), length) == 0) return i;
    return -1;
}
}
