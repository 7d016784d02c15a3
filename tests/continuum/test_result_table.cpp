#include "continuum/result_table.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ResultTable, OneDotSeparatedLinePerPointUnderEitherSeparator)
{
    auto x = std::make_unique<SpectrumArray>();
    auto y = std::make_unique<SpectrumArray>();
    (*x)[0] = 4000;
    (*y)[0] = 1.5;
    (*x)[1] = -0.25;
    (*y)[1] = 1e15L;
    (*x)[2] = 1.0L / 3;
    (*y)[2] = 0;
    (*x)[3] = 99; // past the count
    const char* const want = "4000    1.5\r\n-0.25    1E15\r\n0.333333333333333    0\r\n";
    EXPECT_EQ(formatResultTable(*x, *y, 3, ','), want);
    EXPECT_EQ(formatResultTable(*x, *y, 3, '.'), want);
    EXPECT_EQ(formatResultTable(*x, *y, 0, ','), "");
}

} // namespace
