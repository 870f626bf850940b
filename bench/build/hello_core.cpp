// Hello.kln in hand-written C++ against the Kiln run-time: the start-up
// object calls __init_all, Main and __final_all, and the program links the
// same run-time objects (stc.obj, core.obj) as the program kln builds.
// bench/build/run puts the run-time's absolute header path in the include,
// as kln does, so g++ takes the same precompiled core.h.
#include "core.h"

extern "C" void Main() { kln::print << kln::string("Hello, world!") << kln::string("\r\n"); }

extern "C" void __init_all() {}
extern "C" void __final_all() {}
