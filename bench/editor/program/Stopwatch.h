#pragma once
// Elapsed time from the performance counter.

#include <windows.h>

namespace kforge {

class Stopwatch {
public:
    // Starts at construction.
    Stopwatch();
    void Restart();
    double Milliseconds() const;

private:
    LARGE_INTEGER start_{};
    LARGE_INTEGER frequency_{};
};

}  // namespace kforge
