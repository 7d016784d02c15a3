#include "exchange/second_plot_store.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using Seen = std::vector<std::string>;

/** The ten value bytes of an extended number (the rest of its slot is padding). */
bool sameBits(Extended a, Extended b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

TEST(Store, CopiesTheCurrentSpectrumBitForBit)
{
    TestApp t;
    const Extended values[] = {1.0L / 3.0L, -0.0L, std::numeric_limits<Extended>::denorm_min(),
                               std::numeric_limits<Extended>::max(), std::nextafter(4861.3L, 0.0L)};
    for (int i = 0; i < 5; ++i) {
        t.state.SpectrumX[i] = values[i];
        t.state.SpectrumY[i] = -values[i];
    }
    t.state.PointCount = 5;

    t.run(Button10Click);
    EXPECT_EQ(t.takeSeen(), Seen({"message: STORED"}));
    EXPECT_EQ(t.state.SecondCount, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(sameBits(t.state.SecondX[i], values[i])) << "X " << i;
        EXPECT_TRUE(sameBits(t.state.SecondY[i], -values[i])) << "Y " << i;
    }
}

TEST(Store, AShorterSpectrumKeepsTheHigherEntriesOfTheEarlierCopy)
{
    TestApp t;
    for (int i = 0; i < 4; ++i) {
        t.state.SpectrumX[i] = 100 + i;
        t.state.SpectrumY[i] = 200 + i;
    }
    t.state.PointCount = 4;
    t.run(Button10Click);

    t.state.SpectrumX[0] = 7;
    t.state.SpectrumY[0] = 8;
    t.state.PointCount = 1;
    t.run(Button10Click);

    EXPECT_EQ(t.state.SecondCount, 1);
    EXPECT_EQ(t.state.SecondX[0], 7.0L);
    EXPECT_EQ(t.state.SecondY[0], 8.0L);
    EXPECT_EQ(t.state.SecondX[3], 103.0L);
    EXPECT_EQ(t.state.SecondY[3], 203.0L);
    EXPECT_EQ(t.state.SecondX[4], 0.0L) << "nothing is copied beyond the count";
}

TEST(Store, WithNothingReadStoresNoPointAndStillSaysStored)
{
    TestApp t;
    t.state.SecondCount = 12;
    t.state.SecondX[0] = 5;
    t.run(Button10Click);
    EXPECT_EQ(t.takeSeen(), Seen({"message: STORED"}));
    EXPECT_EQ(t.state.SecondCount, 0);
    EXPECT_EQ(t.state.SecondX[0], 5.0L);
}

TEST(Store, TheFullSpectrumFits)
{
    TestApp t;
    for (int i = 0; i < MaxPoints; ++i)
        t.state.SpectrumX[i] = i;
    t.state.PointCount = MaxPoints;
    t.run(Button10Click);
    EXPECT_EQ(t.state.SecondCount, MaxPoints);
    EXPECT_EQ(t.state.SecondX[MaxPoints - 1], MaxPoints - 1.0L);
}

TEST(ShowStore, ShowsTheButtonAndNothingElse)
{
    TestApp t;
    ASSERT_FALSE(t.controls.Button10.visible);
    t.run(Button5Click);
    EXPECT_TRUE(t.controls.Button10.visible);
    t.run(Button5Click);
    EXPECT_TRUE(t.controls.Button10.visible);
    EXPECT_EQ(t.takeSeen(), Seen{});
    EXPECT_EQ(t.state.SecondCount, 0);
}

} // namespace
