#include "picture_checks.h"

#include "platform/bitmap_file.h"
#include "platform/number_conversions.h"
#include "plot/draw_plot.h"
#include "plot/tick_steps.h"
#include "support/temp_drive.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t MaxSteps = std::numeric_limits<std::int32_t>::max();

struct RangeCase {
    std::int64_t origin, perStep;
    std::int32_t steps;
    std::int64_t low, high;
    std::int64_t first, last; // first > last: none
};

TEST(StepsWithin, GivesTheTicksWhosePositionLiesInTheWindow)
{
    const RangeCase cases[] = {
        {50, 70, 10, -127, 809, 0, 10},
        {50, 10, MaxSteps, -127, 809, 0, 75},
        {50, 10, 20, -127, 809, 0, 20},
        {50, 1, MaxSteps, 0, 99, 0, 49},
        {480, -10, MaxSteps, -12, 599, 0, 49},
        {480, 10, MaxSteps, -12, 599, 0, 11},
        {50, 0, MaxSteps, -127, 809, 0, MaxSteps},
        {50, 0, 5, 60, 809, 0, -1},
        {50, 10, -3, -127, 809, 0, -1},
        {50, -7, 100, -127, 809, 0, 25},
        {50, 2147483647, 100, -127, 809, 0, 0},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.origin) + " + i*" + std::to_string(c.perStep) + ", steps " +
                     std::to_string(c.steps));
        const StepRange r = stepsWithin(c.origin, c.perStep, c.steps, c.low, c.high);
        if (c.first > c.last) {
            EXPECT_TRUE(r.empty());
        } else {
            EXPECT_EQ(r.first, c.first);
            EXPECT_EQ(r.last, c.last);
        }
    }
}

struct Axis {
    const char* name;
    Extended start, step;
};

const Axis axes[] = {
    {"integers", 0, 1},
    {"wavelengths", 4000, 100},
    {"tenths across zero", -100, 0.1L},
    {"fluxes", 0, 1E-15L},
    {"negative step", 3, -0.25L},
    {"odd step", 1.5L, 0.123456789012345L},
    {"into scientific notation", 999999999000000.0L, 1000.0L},
    {"step zero", -2.5L, 0},
    {"cancellation", -1000, 0.3L},
};

std::size_t labelLength(std::int64_t i, const Axis& a)
{
    return FloatToStr(tickValue(i, a.step, a.start), ',').size();
}

TEST(LabelLengthBound, IsNeverBelowALabelOfTheBlock)
{
    for (const Axis& a : axes) {
        SCOPED_TRACE(a.name);
        for (std::int64_t first = 0; first < 4000; first += 397) {
            for (std::int64_t last = first; last < 4000; last = last * 3 + 1) {
                std::size_t longest = 0;
                for (std::int64_t i = first; i <= last; ++i)
                    longest = std::max(longest, labelLength(i, a));
                EXPECT_GE(labelLengthBound(first, last, a.step, a.start), static_cast<int>(longest))
                    << first << ".." << last;
            }
        }
    }
}

/** Ticks whose label is longer than every later one, found by reading every label. */
std::vector<std::int64_t> uncoveredByBruteForce(std::int32_t steps, const Axis& a)
{
    std::vector<std::int64_t> visible;
    std::size_t covered = 0;
    for (std::int64_t i = steps; i >= 0; --i) {
        if (labelLength(i, a) > covered) {
            visible.insert(visible.begin(), i);
            covered = labelLength(i, a);
        }
    }
    return visible;
}

TEST(UncoveredLabelSteps, AreTheLabelsLongerThanEveryLaterOne)
{
    for (const Axis& a : axes) {
        for (const std::int32_t steps : {0, 1, 9, 5000, 20011}) {
            SCOPED_TRACE(std::string(a.name) + ", steps " + std::to_string(steps));
            EXPECT_EQ(uncoveredLabelSteps(steps, a.step, a.start, ','), uncoveredByBruteForce(steps, a));
        }
    }
}

TEST(UncoveredLabelSteps, FinishesForTheLargestStepCount)
{
    for (const Axis& a : axes) {
        SCOPED_TRACE(a.name);
        const std::vector<std::int64_t> visible = uncoveredLabelSteps(MaxSteps, a.step, a.start, ',');
        ASSERT_FALSE(visible.empty());
        EXPECT_EQ(visible.back(), MaxSteps);
        EXPECT_LE(visible.size(), static_cast<std::size_t>(MaxLabelLength));
        for (std::size_t k = 1; k < visible.size(); ++k)
            EXPECT_GT(labelLength(visible[k - 1], a), labelLength(visible[k], a)) << "tick " << visible[k - 1];
    }
}

struct PlotCase {
    const char* name;
    std::int32_t steps, pixelsPerStep;
    int width, height;
};

/** The plot without curves and titles as the full tick loops draw it, every tick and label. */
Picture referencePlot(const Raster& background, const AppState& s)
{
    Picture p;
    p.assign(background);
    p.moveTo(50, 480);
    p.lineTo(750, 480);
    p.moveTo(50, 480);
    p.lineTo(50, 10);
    for (std::int64_t i = 0; i <= s.XSteps; ++i) {
        const int x = static_cast<int>(50 + i * s.XPixelsPerStep);
        p.moveTo(x, 480);
        p.lineTo(x, 490);
        p.textOut(x - 10, 500, FloatToStr(static_cast<Extended>(i) * s.XStep + s.XStart, ','));
    }
    for (std::int64_t i = 0; i <= s.YSteps; ++i) {
        const int y = static_cast<int>(480 - i * s.YPixelsPerStep);
        p.moveTo(50, y);
        p.lineTo(60, y);
        p.textOut(2, y, FloatToStr(static_cast<Extended>(i) * s.YStep + s.YStart, ','));
    }
    return p;
}

TEST(DrawPlotTicks, PictureAndAxisEndsAreThoseOfTheFullLoop)
{
    const PlotCase cases[] = {
        {"all at one place", 5000, 0, 800, 600},
        {"ten pixels apart", 2000, 10, 800, 600},
        {"one pixel apart, wide picture", 3000, 1, 1500, 700},
        {"small picture", 2000, 10, 300, 490},
        {"all at one place, narrow picture", 5000, 0, 100, 600},
    };
    for (const PlotCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        t.app->DecimalSeparator = ',';
        const Raster background = Raster::blank16Colour(c.width, c.height);
        writeFileBytes(t.drive.native("C://VELK//initialBMP.bmp"), encodeBitmap(background));
        AppState& s = t.state;
        s.XSteps = c.steps;
        s.XPixelsPerStep = c.pixelsPerStep;
        s.XStart = -12.5L;
        s.XStep = 0.0123L;
        s.YSteps = c.steps;
        s.YPixelsPerStep = c.pixelsPerStep;
        s.YStart = 1E-12L;
        s.YStep = -3.7E-15L;
        const Picture expected = referencePlot(background, s);

        t.run(DrawPlot);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
        const Picture& got = t.controls.Image1.picture;
        EXPECT_TRUE(samePicture(got.raster(), expected.raster()));
        EXPECT_EQ(got.penX(), expected.penX());
        EXPECT_EQ(got.penY(), expected.penY());
        EXPECT_EQ(s.XAxisEndPixel, 50 + c.steps * c.pixelsPerStep);
        EXPECT_EQ(s.YAxisEndPixel, 480 - c.steps * c.pixelsPerStep);
        EXPECT_EQ(s.XAxisEnd, static_cast<Extended>(c.steps) * s.XStep + s.XStart);
        EXPECT_EQ(s.YAxisEnd, static_cast<Extended>(c.steps) * s.YStep + s.YStart);
    }
}

TEST(DrawPlotTicks, TheLargestStepCountFinishesWithTheLastTickRecorded)
{
    for (const std::int32_t pixels : {0, 10}) {
        SCOPED_TRACE("pixels per step " + std::to_string(pixels));
        TestApp t;
        t.app->DecimalSeparator = ',';
        AppState& s = t.state;
        s.XSteps = MaxSteps;
        s.XPixelsPerStep = pixels;
        s.XStart = 4000;
        s.XStep = 0.1L;
        s.YSteps = MaxSteps;
        s.YPixelsPerStep = pixels;
        s.YStart = 0;
        s.YStep = 1;
        t.run(DrawPlot);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
        EXPECT_EQ(s.XAxisEndPixel, pixels == 0 ? 50 : std::numeric_limits<std::int32_t>::max());
        EXPECT_EQ(s.YAxisEndPixel, pixels == 0 ? 480 : std::numeric_limits<std::int32_t>::min());
        EXPECT_EQ(s.XAxisEnd, static_cast<Extended>(MaxSteps) * 0.1L + 4000);
        EXPECT_EQ(s.YAxisEnd, static_cast<Extended>(MaxSteps));
        const Raster& p = t.controls.Image1.picture.raster();
        if (pixels == 0) {
            // The last labels lie on top of all the others.
            EXPECT_TRUE(textAt(p, 40, 500, FloatToStr(s.XAxisEnd, ',')));
            EXPECT_TRUE(textAt(p, 2, 480, "2147483647"));
        }
    }
}

} // namespace
