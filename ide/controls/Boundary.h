#pragma once
// The exception-safe boundary: a C++ exception must never cross a Win32
// frame (window, subclass, timer, enumeration and dialog procedures), where
// it would end the program. Every such procedure runs its body through
// CallGuarded.

#include <utility>

namespace kforge {

// Tells the debug output which exception a boundary stopped. Call only
// from inside a catch block.
void ReportCaughtException() noexcept;

// Runs body and tells whether it completed; an exception it throws ends
// here.
template<typename Body> bool CallGuarded(Body&& body) noexcept
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        ReportCaughtException();
        return false;
    }
}

// Gives body's result, or when body throws, fallback's: the default
// processing of a message whose handler produced no result. fallback must
// not throw (DefWindowProcA, DefSubclassProc).
template<typename Body, typename Fallback> auto CallGuarded(Body&& body, Fallback&& fallback) noexcept
    -> decltype(body())
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        ReportCaughtException();
    }
    return std::forward<Fallback>(fallback)();
}

}  // namespace kforge
