// The figures the editor's benchmarks print.
#include "Figures.h"

#include <gtest/gtest.h>

namespace kforge {
namespace {

struct SummaryCase {
    std::vector<double> samples;
    double median;
    double worst;
};

TEST(BenchFigures, MedianAndWorstOfUnsortedSamples)
{
    const SummaryCase cases[] = {
        {{}, 0, 0},           {{7.5}, 7.5, 7.5},
        {{9, 1, 4}, 4, 9},    {{8, 2, 6, 4}, 5, 8},  // an even count: the mean of the middle two
        {{3, 3, 1, 3}, 3, 3},
    };
    for (const SummaryCase& c : cases) {
        const Figures figures = Summarize(c.samples);
        EXPECT_DOUBLE_EQ(c.median, figures.median) << ::testing::PrintToString(c.samples);
        EXPECT_DOUBLE_EQ(c.worst, figures.worst) << ::testing::PrintToString(c.samples);
    }
}

TEST(BenchFigures, RatioWithoutAReferenceIsZero)
{
    EXPECT_DOUBLE_EQ(0.5, Ratio(1, 2));
    EXPECT_DOUBLE_EQ(0, Ratio(3, 0));
    EXPECT_DOUBLE_EQ(0, Ratio(3, -1));
}

TEST(BenchFigures, FixedRoundsToItsDecimals)
{
    EXPECT_EQ("0.123", Fixed(0.12345, 3));
    EXPECT_EQ("2.0", Fixed(1.96, 1));
    EXPECT_EQ("16", Fixed(15.5001, 0));
}

}  // namespace
}  // namespace kforge
