// Procedure tracing of debug builds. core_dev (compiled with __KLN_DEBUG)
// keeps a fixed-size stack of {procedure, last line} without allocating, so
// that it also works during a stack overflow; core keeps the same calls as
// no-ops, so modules built with and without debugging link together.
#include "runtime.h"

#include <stdio.h>

namespace kln {
#ifdef __KLN_DEBUG

namespace {
struct frame {
    const char* procedure;
    int line;
};

const int capacity = 4096;
frame frames[capacity];
int depth = 0;  // may exceed capacity: the deeper calls are only counted

frame* innermost() { return depth > 0 && depth <= capacity ? &frames[depth - 1] : nullptr; }
}  // namespace

void dbg_func(const char* name)
{
    if (depth < capacity) frames[depth] = frame{name, 0};
    ++depth;
}

void dbg_endfunc()
{
    if (depth > 0) --depth;
}

void dbg_line(int line)
{
    if (frame* f = innermost()) f->line = line;
}

int dbg_savefunc() { return depth; }

void dbg_unwind(int saved)
{
    if (saved >= 0 && saved <= depth) depth = saved;
}

// Innermost first; a run of equal entries (deep recursion) is one line.
void __dbg_report()
{
    if (depth == 0) return;
    fputs("Trace, innermost procedure first:\r\n", stderr);
    if (depth > capacity) fprintf(stderr, "  (%d deeper calls not recorded)\r\n", depth - capacity);
    int i = (depth < capacity ? depth : capacity) - 1;
    while (i >= 0) {
        int run = 1;
        while (i - run >= 0 && frames[i - run].procedure == frames[i].procedure &&
               frames[i - run].line == frames[i].line)
            ++run;
        const char* name = frames[i].procedure ? frames[i].procedure : "?";
        if (run == 1)
            fprintf(stderr, "  %s, line %d\r\n", name, frames[i].line);
        else
            fprintf(stderr, "  %s, line %d (%d times)\r\n", name, frames[i].line, run);
        i -= run;
    }
}

#else

void dbg_func(const char*) {}
void dbg_endfunc() {}
void dbg_line(int) {}
int dbg_savefunc() { return 0; }
void dbg_unwind(int) {}
void __dbg_report() {}

#endif
}  // namespace kln
