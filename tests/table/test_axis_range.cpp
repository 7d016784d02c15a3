#include "platform/number_conversions.h"
#include "table/axis_range.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string text(Extended value)
{
    return FloatToStr(value, ',');
}

TEST(DecadeOf, RoundsToSingleFirstThenTakesTheFloorOfTheLogarithm)
{
    struct Case {
        Extended value;
        int decade;
    };
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const Case cases[] = {
        {1000, 3},          {999.99999L, 3},  // single rounding gives 1000
        {999.99L, 2},       {99.9999999L, 2}, // 100 after single rounding
        {4861.3L, 3},       {12000, 4},
        {120, 2},           {1, 0},
        {0.95L, -1},        {0.5L, -1},
        {0.1L, -1},                        // single 0.1 lies just above a tenth
        {0.01L, -3},                       // single 0.01 lies just below a hundredth
        {0.011L, -2},       {1e-40L, -41}, // a subnormal single, just below 1E-40
        {3e38L, 38},        {0, NoDecade},
        {-0.2L, NoDecade},  {-1000, NoDecade},
        {1e-50L, NoDecade}, // rounds to single 0
        {1e39L, NoDecade},  // beyond single precision
        {inf, NoDecade},    {std::numeric_limits<Extended>::quiet_NaN(), NoDecade},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decadeOf(c.value), c.decade) << text(c.value);
}

struct Example {
    Axis axis;
    Extended min, max;
    int e, f;
    std::string start, ceiling, step, end;
};

// The proposed axes for typical data, texts with 15 significant digits and ',' as separator.
const Example examples[] = {
    {Axis::X, 4012.7L, 7023.1L, 3, 3, "4010", "7030", "310", "7110"},
    {Axis::X, 3500, 12000, 4, 3, "0", "12000", "1200", "12000"},
    {Axis::X, 999.99999L, 1200, 3, 3, "990", "1200", "30", "1290"},
    {Axis::X, 1000, 1000, 3, 3, "1000", "1000", "0", "1000"},
    {Axis::Y, 0.5L, 0.95L, -1, -1, "0,5", "0,95", "0,046", "0,96"},
    {Axis::X, 0.5L, 0.95L, -1, -1, "0,5", "0,95", "0,0459999989718199", "0,959999989718199"},
    {Axis::Y, 120, 35000, 4, 2, "0", "40000", "4000", "40000"},
    {Axis::X, 120, 35000, 4, 2, "0", "35000", "3500", "35000"},
    {Axis::Y, -0.2L, 0.7L, -1, NoDecade, "0", "0,700000984353758", "0,071", "0,71"},
    {Axis::X, 4861.3L, 4861.3L, 3, 3, "4860", "4870", "10", "4960"},
    // Its millionth as a double lies below 1E-6: max / t is just above 3500, a double is not.
    {Axis::X, 0.0031L, 0.0035L, -3, -3, "0,0031", "0,0035", "4,99999987368938E-5", "0,00359999998736894"},
};

TEST(RangeAxis, ProposesStartCeilingAndStepFromTheDecades)
{
    for (const Example& x : examples) {
        const std::string row =
            std::string(x.axis == Axis::X ? "X " : "Y ") + text(x.min) + " to " + text(x.max);
        EXPECT_EQ(decadeOf(x.max), x.e) << row;
        EXPECT_EQ(decadeOf(x.min), x.f) << row;
        const AxisRange range = rangeAxis(x.min, x.max, x.axis);
        EXPECT_TRUE(range.problem.empty()) << row;
        EXPECT_EQ(text(range.start), x.start) << row;
        EXPECT_EQ(text(range.ceiling), x.ceiling) << row;
        EXPECT_EQ(text(range.step), x.step) << row;
        EXPECT_EQ(text(10 * range.step + range.start), x.end) << row;
    }
}

TEST(RangeAxis, YStepIsRoundedToSevenDigitsXStepIsNot)
{
    const AxisRange y = rangeAxis(0.5L, 0.95L, Axis::Y);
    EXPECT_EQ(y.step, roundToSignificantDigits(0.046L, 7));
    const AxisRange x = rangeAxis(0.5L, 0.95L, Axis::X);
    // 46 tenths of the single-precision hundredth
    EXPECT_EQ(x.step, 46 * (0.1L * static_cast<Extended>(0.01f)));
}

TEST(RangeAxis, WithoutUsableDecadeOnlyTheProblemIsGiven)
{
    struct Case {
        Extended min, max;
        std::string problem;
    };
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const Case cases[] = {
        {0, 0, "its largest value is 0 or below"},
        {-5, -1, "its largest value is 0 or below"},
        {-inf, -inf, "its largest value is 0 or below"},
        {1, 1e39L, "its largest value is beyond single precision"},
        {1e39L, 1e4000L, "its largest value is beyond single precision"},
        {0, 1e-50L, "its largest value is too small"},
        {0, 1e-45L, "its largest value is too small"}, // its tenth has no single value
        {0, std::numeric_limits<Extended>::quiet_NaN(), "its largest value is not a number"},
    };
    for (const Axis axis : {Axis::X, Axis::Y}) {
        for (const Case& c : cases) {
            const AxisRange range = rangeAxis(c.min, c.max, axis);
            EXPECT_EQ(range.problem, c.problem) << text(c.max);
            EXPECT_EQ(range.start, 0);
            EXPECT_EQ(range.ceiling, 0);
            EXPECT_EQ(range.step, 0);
        }
    }
}

TEST(RangeAxis, SmallestValueBeyondSinglePrecisionStartsAtZero)
{
    const AxisRange range = rangeAxis(-1e4000L, 35000, Axis::X);
    EXPECT_TRUE(range.problem.empty());
    EXPECT_EQ(text(range.start), "0");
    EXPECT_EQ(text(range.ceiling), "35000");
}

} // namespace
