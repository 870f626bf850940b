// Hello.kln in hand-written C++ with <cstdio>, the leanest reference of
// bench/build.
#include <cstdio>

int main()
{
    std::puts("Hello, world!");
    return 0;
}
