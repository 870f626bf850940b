#include "Stopwatch.h"

namespace kforge {

Stopwatch::Stopwatch()
{
    QueryPerformanceFrequency(&frequency_);
    Restart();
}

void Stopwatch::Restart() { QueryPerformanceCounter(&start_); }

double Stopwatch::Milliseconds() const
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
}

}  // namespace kforge
