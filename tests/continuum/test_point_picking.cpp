#include "continuum/continuum_fit.h"
#include "continuum/point_picking.h"

#include "platform/colour.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/** The axes of the worked example: X 4000..7000 over columns 50..750, Y 0..2 over rows 480..30. */
void setExampleAxes(AppState& s)
{
    s.XStart = 4000;
    s.XAxisEnd = 7000;
    s.XAxisEndPixel = 750;
    s.YStart = 0;
    s.YAxisEnd = 2;
    s.YAxisEndPixel = 30;
}

TEST(PointPicking, WorkedExampleStoresSinglePrecisionValuesAndLabelsThem)
{
    TestApp t(TempDrive::Layout::Installed, ',');
    setExampleAxes(t.state);
    MouseD(*t.app, 401, 256);

    ASSERT_EQ(t.state.PickCount, 1);
    EXPECT_EQ(t.state.PickX[0], 5504.28564453125L);
    EXPECT_EQ(t.state.PickY[0], static_cast<Extended>(static_cast<float>(448.0L / 450)));
    EXPECT_NE(t.state.PickY[0], 448.0L / 450); // the extended result is never kept
    EXPECT_EQ(t.state.LastPickY, t.state.PickY[0]);
    EXPECT_EQ(t.controls.Label9.text, "X=5504,28564453125");
    EXPECT_EQ(t.controls.Label10.text, "Y=0,995555579662323");
    EXPECT_EQ(t.controls.Label13.text, "k fit=1");
    EXPECT_TRUE(t.takeSeen().empty());
}

TEST(PointPicking, DrawsABlueCrossWithTwoArms)
{
    TestApp t;
    setExampleAxes(t.state);
    const Raster before = t.controls.Image1.picture.raster();
    MouseD(*t.app, 401, 256);

    const Picture& picture = t.controls.Image1.picture;
    EXPECT_EQ(picture.penColour(), colours::Blue);
    const Raster& r = picture.raster();
    for (int d = -10; d < 10; ++d) {
        EXPECT_EQ(r.pixel(401, 256 + d), colours::Blue) << "vertical arm at " << d;
        EXPECT_EQ(r.pixel(401 + d, 256), colours::Blue) << "horizontal arm at " << d;
    }
    // The end pixels of the arms are not painted, nor anything off the arms.
    EXPECT_EQ(r.pixel(401, 266), before.pixel(401, 266));
    EXPECT_EQ(r.pixel(411, 256), before.pixel(411, 256));
    EXPECT_EQ(r.pixel(400, 255), before.pixel(400, 255));
    EXPECT_EQ(picture.penX(), 411);
    EXPECT_EQ(picture.penY(), 256);
}

TEST(PointPicking, MapsPixelsBackToDataUnits)
{
    struct Case {
        const char* name;
        int x;
        int y;
        Extended wantX;
        Extended wantY;
    };
    const Case cases[] = {
        {"origin", 50, 480, 4000, 0},
        {"axis ends", 750, 30, 7000, 2},
        {"middle", 400, 255, 5500, 1},
        {"left of and below the axes", 0, 705, static_cast<float>(4000 - 50 * 3000.0L / 700), -1},
        {"right of and above the axes", 785, 0, static_cast<float>(4000 + 735 * 3000.0L / 700),
         static_cast<float>(480 * 2.0L / 450)},
    };
    for (const auto& c : cases) {
        TestApp t;
        setExampleAxes(t.state);
        MouseD(*t.app, c.x, c.y);
        ASSERT_EQ(t.state.PickCount, 1) << c.name;
        EXPECT_EQ(t.state.PickX[0], c.wantX) << c.name;
        EXPECT_EQ(t.state.PickY[0], c.wantY) << c.name;
    }
}

TEST(PointPicking, FormsTheProductBeforeDividingByThePixelSpan)
{
    // 7 * span / 9 is exactly halfway between 1 and the next single, which rounds to 1; dividing
    // first, 7 * (span / 9) lands just above the halfway point and would round up.
    const Extended halfway = 1.0L + 1.0L / 16777216;
    const Extended span = halfway * 9 / 7;
    ASSERT_EQ(7 * span / 9, halfway);
    ASSERT_NE(static_cast<float>(7 * (span / 9)), 1.0F);
    TestApp t;
    t.state.XAxisEnd = span;
    t.state.XAxisEndPixel = 59;
    t.state.YAxisEnd = span;
    t.state.YAxisEndPixel = 471;
    MouseD(*t.app, 57, 473);
    EXPECT_EQ(t.state.PickX[0], 1);
    EXPECT_EQ(t.state.PickY[0], 1);
    EXPECT_EQ(t.controls.Label9.text, "X=1");
    EXPECT_EQ(t.controls.Label10.text, "Y=1");
}

TEST(PointPicking, BeforeAnyPlotEveryReleaseStoresTheOrigin)
{
    TestApp t(TempDrive::Layout::Installed, ',');
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{401, 256}, {0, 0}, {799, 599}}) {
        MouseD(*t.app, x, y);
        EXPECT_EQ(t.controls.Label9.text, "X=0");
        EXPECT_EQ(t.controls.Label10.text, "Y=0");
    }
    EXPECT_EQ(t.state.PickCount, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.state.PickX[i], 0);
        EXPECT_EQ(t.state.PickY[i], 0);
    }
    EXPECT_TRUE(t.takeSeen().empty());
}

TEST(PointPicking, ReleaseOverTheCaptionLabelPicksFromSmallCoordinates)
{
    TestApp t;
    setExampleAxes(t.state);
    const Raster before = t.controls.Image1.picture.raster();
    MouseD(*t.app, 3, 4);

    ASSERT_EQ(t.state.PickCount, 1);
    EXPECT_EQ(t.state.PickX[0], static_cast<Extended>(static_cast<float>(4000 - 47 * 3000.0L / 700)));
    EXPECT_EQ(t.state.PickY[0], static_cast<Extended>(static_cast<float>(476 * 2.0L / 450)));
    const Raster& r = t.controls.Image1.picture.raster();
    EXPECT_EQ(r.pixel(3, 0), colours::Blue);
    EXPECT_EQ(r.pixel(3, 13), colours::Blue);
    EXPECT_EQ(r.pixel(3, 14), before.pixel(3, 14));
    EXPECT_EQ(r.pixel(0, 4), colours::Blue);
    EXPECT_EQ(r.pixel(12, 4), colours::Blue);
}

TEST(PointPicking, HoldsNinetyNinePointsAndRefusesTheHundredth)
{
    TestApp t;
    setExampleAxes(t.state);
    for (int i = 0; i < 99; ++i)
        MouseD(*t.app, 60 + i, 400);
    EXPECT_EQ(t.state.PickCount, 99);
    EXPECT_EQ(t.controls.Label13.text, "k fit=99");
    EXPECT_TRUE(t.takeSeen().empty());
    const Extended lastY = t.state.LastPickY;
    const std::string labelX = t.controls.Label9.text;
    const std::string labelY = t.controls.Label10.text;

    // Slot 99 is never written; the refused release draws nothing either.
    t.state.PickX[99] = -7;
    t.state.YStart = 100; // a stored point would now differ from the last one
    const Raster before = t.controls.Image1.picture.raster();
    MouseD(*t.app, 300, 100);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: NO MORE POINTS."});
    EXPECT_EQ(t.state.PickCount, 99);
    EXPECT_EQ(t.state.PickX[99], -7);
    EXPECT_EQ(t.state.LastPickY, lastY);
    EXPECT_EQ(t.controls.Label9.text, labelX);
    EXPECT_EQ(t.controls.Label10.text, labelY);
    EXPECT_EQ(t.controls.Label13.text, "k fit=99");
    EXPECT_TRUE(t.controls.Image1.picture.raster() == before);
}

TEST(PointPicking, ZeroPixelSpanDrawsTheCrossThenEndsWithADivisionByZero)
{
    struct Case {
        const char* name;
        int xEndPixel;
        int yEndPixel;
    };
    const Case cases[] = {{"X axis of no pixels", 50, 30}, {"Y axis of no pixels", 750, 480}};
    for (const auto& c : cases) {
        TestApp t;
        setExampleAxes(t.state);
        t.state.XAxisEndPixel = c.xEndPixel;
        t.state.YAxisEndPixel = c.yEndPixel;
        t.run([](App& app) { MouseD(app, 200, 300); });
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point division by zero"}) << c.name;
        EXPECT_EQ(t.controls.Image1.picture.raster().pixel(200, 295), colours::Blue) << c.name;
        EXPECT_EQ(t.state.PickCount, 0) << c.name;
        EXPECT_EQ(t.state.PickX[0], 0) << c.name;
        EXPECT_EQ(t.state.LastPickY, 0) << c.name;
        EXPECT_EQ(t.controls.Label9.text, "X=") << c.name;
        EXPECT_EQ(t.controls.Label10.text, "Y=") << c.name;
        EXPECT_EQ(t.controls.Label13.text, "k fit=") << c.name;
    }
}

TEST(PointPicking, ValueBeyondSingleRangeIsAnOverflow)
{
    TestApp t;
    setExampleAxes(t.state);
    t.state.XAxisEnd = 1e40L;
    t.run([](App& app) { MouseD(app, 750, 30); });
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point overflow"});
    EXPECT_EQ(t.state.PickCount, 0);
    EXPECT_EQ(t.controls.Label9.text, "X=");
}

TEST(PointPicking, NewStartsAgainAtSlotZeroAndKeepsTheLastLevel)
{
    TestApp t;
    setExampleAxes(t.state);
    MouseD(*t.app, 100, 300);
    MouseD(*t.app, 700, 100);
    const Extended secondX = t.state.PickX[1];
    const Extended level = t.state.LastPickY;

    Button18Click(*t.app);
    EXPECT_EQ(t.state.PickCount, 0);
    EXPECT_EQ(t.controls.Label13.text, "k fit=0");
    EXPECT_EQ(t.state.LastPickY, level);
    EXPECT_EQ(t.state.PickX[1], secondX);
    EXPECT_TRUE(t.takeSeen().empty());

    MouseD(*t.app, 400, 255);
    EXPECT_EQ(t.state.PickCount, 1);
    EXPECT_EQ(t.controls.Label13.text, "k fit=1");
    EXPECT_EQ(t.state.PickX[0], 5500);
    EXPECT_EQ(t.state.LastPickY, 1);
    EXPECT_EQ(t.state.PickX[1], secondX);
}

} // namespace
