#pragma once
// The figures a benchmark prints: the median and the worst of its samples
// and the ratio of two medians. Portable (no windows.h).

#include <string>
#include <vector>

namespace kforge {

struct Figures {
    double median = 0;
    double worst = 0;
};

// The median (the mean of the two middle values for an even count) and the
// largest sample; both 0 without samples.
Figures Summarize(std::vector<double> samples);

// measured / reference, or 0 when the reference is not positive.
double Ratio(double measured, double reference);

// A number with the given count of decimals, as the figures are printed.
std::string Fixed(double value, int decimals);

}  // namespace kforge
