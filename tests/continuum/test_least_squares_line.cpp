#include "continuum/least_squares_line.h"

#include "platform/app_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineCase {
    const char* name;
    std::vector<Extended> x;
    std::vector<Extended> y;
    Extended intercept;
    Extended slope;
};

TEST(LeastSquaresLine, FitsExactLinesAndAverages)
{
    const LineCase cases[] = {
        {"through two points", {1, 3}, {2, 6}, 0, 2},
        {"offset line", {0, 2}, {1, 5}, 1, 2},
        {"three collinear points", {1, 2, 3}, {5, 3, 1}, 7, -2},
        {"horizontal", {4000, 7000}, {1.5, 1.5}, 1.5, 0},
        // Sx=3, Sy=2, Sxx=5, Sxy=3, D=6: a = 1/6, b = 1/2.
        {"three scattered points", {0, 1, 2}, {0, 1, 1}, 1.0L / 6, 0.5},
    };
    for (const auto& c : cases) {
        const StraightLine line = leastSquaresLine(c.x, c.y);
        EXPECT_EQ(line.intercept, c.intercept) << c.name;
        EXPECT_EQ(line.slope, c.slope) << c.name;
    }
}

TEST(LeastSquaresLine, RoundsEachRunningSumToSingle)
{
    // 2^24 + 1 is a tie in single precision and goes to the even 2^24, at each of the two steps.
    const std::vector<Extended> x{16777216, 1, 1};
    const std::vector<Extended> y{1, 16777216, 1};
    const SinglePrecisionSums sums = singlePrecisionSums(x, y);
    EXPECT_EQ(sums.x, 16777216);
    EXPECT_EQ(sums.y, 16777216);
    EXPECT_EQ(sums.xx, 281474976710656.0L); // 2^48: each added 1 is lost again
    EXPECT_EQ(sums.xy, 33554432);           // 2^24 + 2^24, then + 1 lost
    // Terms are formed in extended: 4097 * 4097 = 16785409 is not a single value.
    const std::vector<Extended> odd{4097};
    const SinglePrecisionSums squared = singlePrecisionSums(odd, odd);
    EXPECT_EQ(squared.xx, static_cast<Extended>(static_cast<float>(16785409.0L)));
    EXPECT_NE(squared.xx, 16785409.0L);
}

TEST(LeastSquaresLine, PassesThroughTwoPickedPointsUpToSingleSums)
{
    const std::vector<Extended> x{5504.28564453125L, 4213.5F};
    const std::vector<Extended> y{static_cast<float>(0.99555555L), static_cast<float>(1.25L)};
    const StraightLine line = leastSquaresLine(x, y);
    for (int i = 0; i < 2; ++i)
        EXPECT_NEAR(static_cast<double>(line.slope * x[i] + line.intercept), static_cast<double>(y[i]), 1e-3)
            << "point " << i;
}

TEST(LeastSquaresLine, ZeroDenominatorIsADivisionByZero)
{
    const std::vector<std::vector<Extended>> columns{{2, 2}, {5}, {0, 0, 0}};
    for (const auto& x : columns) {
        const std::vector<Extended> y(x.size(), 1);
        try {
            leastSquaresLine(x, y);
            ADD_FAILURE() << "no error for " << x.size() << " points in one column";
        } catch (const MathError& error) {
            EXPECT_EQ(std::string(error.what()), "Floating point division by zero");
        }
    }
}

TEST(LeastSquaresLine, OneColumnWhoseSquareIsNotSingleGivesANearlyZeroDenominator)
{
    // x*x is rounded to single in Sxx while Sx*Sx is exact: D is tiny but not zero, and no special
    // case catches it.
    const std::vector<Extended> x{4097, 4097};
    const std::vector<Extended> y{1, 2};
    EXPECT_NO_THROW(leastSquaresLine(x, y));
}

TEST(LeastSquaresLine, SumBeyondSingleRangeIsAnOverflow)
{
    const std::vector<Extended> x{1e30L, 2};
    const std::vector<Extended> y{1, 2};
    try {
        leastSquaresLine(x, y);
        ADD_FAILURE() << "no error";
    } catch (const MathError& error) {
        EXPECT_EQ(std::string(error.what()), "Floating point overflow");
    }
}

} // namespace
