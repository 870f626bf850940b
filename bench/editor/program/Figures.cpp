#include "Figures.h"

#include <algorithm>
#include <cstdio>

namespace kforge {

Figures Summarize(std::vector<double> samples)
{
    Figures figures;
    if (samples.empty()) { return figures; }
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    figures.median = samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
    figures.worst = samples.back();
    return figures;
}

double Ratio(double measured, double reference) { return reference > 0 ? measured / reference : 0; }

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace kforge
