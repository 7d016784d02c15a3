#include "plot/curve_segment.h"
#include "plot/pixel_mapping.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

namespace {

constexpr Extended Huge = std::numeric_limits<Extended>::max();
constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr std::int32_t Limit = 2147483647;

struct ColumnCase {
    Extended x;
    Extended start;
    Extended end;
    std::int32_t endPixel;
    std::int32_t column;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const ColumnCase& c, std::ostream* out) { *out << "x " << static_cast<double>(c.x) << " -> column " << c.column; }
};

class ColumnMapping : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnMapping, TruncatesTowardZero)
{
    const ColumnCase& c = GetParam();
    EXPECT_EQ(pixelCoordinate(mapToColumn(c.x, c.start, c.end, c.endPixel)), c.column);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnMapping,
    ::testing::Values(ColumnCase{4000, 4000, 5000, 750, 50},      // start value on the origin
                      ColumnCase{5000, 4000, 5000, 750, 750},     // end value on the last tick
                      ColumnCase{4100, 4000, 5000, 750, 120},     // a tick value on its tick
                      ColumnCase{103.75L, 0, 1024, 750, 120},     // 120.92: truncated, not rounded
                      ColumnCase{-74, 0, 1024, 750, 0},           // -0.59: toward zero, not down
                      ColumnCase{-75.5L, 0, 1024, 750, -1},       // -1.61
                      ColumnCase{512, 0, 1024, 50, 50},           // no pixels per step: column 50
                      ColumnCase{3000, 4000, 5000, 750, -650},    // left of the axis: not clipped
                      ColumnCase{2000, 5000, 4000, 750, 2150},    // a reversed axis maps as written
                      ColumnCase{1e12L, 0, 1, 750, Limit},        // beyond 32 bits: held at the limit
                      ColumnCase{-1e12L, 0, 1, 750, -Limit},
                      ColumnCase{Huge, -Huge, Huge, 50, Limit})); // inf / inf is NaN: held at the limit

struct RowCase {
    Extended y;
    Extended start;
    Extended end;
    std::int32_t endPixel;
    std::int32_t row;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const RowCase& c, std::ostream* out) { *out << "y " << static_cast<double>(c.y) << " -> row " << c.row; }
};

class RowMapping : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowMapping, TruncatesTowardZero)
{
    const RowCase& c = GetParam();
    EXPECT_EQ(pixelCoordinate(mapToRow(c.y, c.start, c.end, c.endPixel)), c.row);
}

INSTANTIATE_TEST_SUITE_P(Cases, RowMapping,
                         ::testing::Values(RowCase{0, 0, 1, 30, 480},          // start value on the origin
                                           RowCase{1, 0, 1, 30, 30},           // end value on the last tick
                                           RowCase{0.25L, 0, 1, 30, 367},      // 367.5
                                           RowCase{1.0625L, 0, 1, 30, 1},      // 1.875
                                           RowCase{1.0671875L, 0, 1, 30, 0},   // -0.22
                                           RowCase{2, 0, 1, 30, -420},         // above the picture
                                           RowCase{-1e15L, 0, 1, 30, Limit})); // far below

TEST(PixelCoordinate, HoldsEveryValueWithinThirtyTwoBits)
{
    EXPECT_EQ(pixelCoordinate(2147483646.9L), 2147483646);
    EXPECT_EQ(pixelCoordinate(2147483647.5L), Limit);
    EXPECT_EQ(pixelCoordinate(-2147483648.5L), -Limit);
    EXPECT_EQ(pixelCoordinate(Inf), Limit);
    EXPECT_EQ(pixelCoordinate(-Inf), -Limit);
    EXPECT_EQ(pixelCoordinate(NaN), Limit);
    EXPECT_EQ(pixelCoordinate(-0.99L), 0);
}

TEST(ClipSegment, KeepsEndsWithinThirtyTwoBitsExactly)
{
    const auto inside = clipSegment({100.9L, 200.2L}, {-2000000000.5L, 2100000000.7L});
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->first, (Pixel{100, 200}));
    EXPECT_EQ(inside->second, (Pixel{-2000000000, 2100000000}));
}

TEST(ClipSegment, CutsAFarEndOnTheLine)
{
    // Slope 1/3 to a point a thousand times beyond 32 bits: the cut end lies on the same line.
    const auto inside = clipSegment({100, 100}, {100 + 3e12L, 100 + 1e12L});
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->first, (Pixel{100, 100}));
    EXPECT_EQ(inside->second.x, Limit);
    EXPECT_NEAR(inside->second.y, 100 + (Limit - 100.0) / 3.0, 1.0);
}

TEST(ClipSegment, CutsBothEndsOfALineThroughThePicture)
{
    const auto inside = clipSegment({400 - 3e15L, 300 - 1e15L}, {400 + 3e15L, 300 + 1e15L});
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->first.x, -Limit);
    EXPECT_EQ(inside->second.x, Limit);
    EXPECT_NEAR(inside->first.y, 300 - (Limit + 400.0) / 3.0, 1.0);
    EXPECT_NEAR(inside->second.y, 300 + (Limit - 400.0) / 3.0, 1.0);
}

TEST(ClipSegment, MissesWhenWhollyBeyondTheLimit)
{
    EXPECT_FALSE(clipSegment({3e9L, 0}, {4e9L, 100}));
    EXPECT_FALSE(clipSegment({-Huge, -Huge}, {-Huge, Huge}));
}

TEST(ClipSegment, TakesTheLargestValuesWithoutOverflow)
{
    const auto inside = clipSegment({-Huge, 0}, {Huge, 0});
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->first, (Pixel{-Limit, 0}));
    EXPECT_EQ(inside->second, (Pixel{Limit, 0}));
}

TEST(ClipSegment, HoldsInfiniteAndNaNCoordinatesAtTheLimit)
{
    const auto toInfinity = clipSegment({10, 20}, {Inf, 20});
    ASSERT_TRUE(toInfinity);
    EXPECT_EQ(toInfinity->second, (Pixel{Limit, 20}));
    const auto toNaN = clipSegment({10, 20}, {10, NaN});
    ASSERT_TRUE(toNaN);
    EXPECT_EQ(toNaN->second, (Pixel{10, Limit}));
}

} // namespace
