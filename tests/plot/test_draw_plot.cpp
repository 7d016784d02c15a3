#include "picture_checks.h"

#include "platform/bitmap_file.h"
#include "platform/number_conversions.h"
#include "plot/pixel_mapping.h"
#include "plot/axis_settings.h"
#include "plot/draw_plot.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Points = std::initializer_list<std::pair<Extended, Extended>>;

/** Fills a curve's arrays from the front. */
void setCurve(SpectrumArray& xs, SpectrumArray& ys, Points points)
{
    std::size_t i = 0;
    for (const auto& [x, y] : points) {
        xs[i] = x;
        ys[i] = y;
        ++i;
    }
}

class DrawPlotTest : public ::testing::Test {
protected:
    DrawPlotTest() { t.app->DecimalSeparator = ','; }

    const Raster& picture() const { return t.controls.Image1.picture.raster(); }

    /** Renders through the general error report; nothing may be reported. */
    void draw()
    {
        t.run(DrawPlot);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
    }

    void setSpectrum(Points points)
    {
        setCurve(t.state.SpectrumX, t.state.SpectrumY, points);
        t.state.PointCount = static_cast<std::int32_t>(points.size());
    }

    TestApp t;
};

TEST_F(DrawPlotTest, DrawsAxesTicksAndLabelsOfTheExample)
{
    setExampleAxes(t.state);
    draw();
    const Raster& p = picture();

    EXPECT_TRUE(boxIs(p, 50, 480, 750, 480, colours::Black)) << "X axis";
    EXPECT_TRUE(boxIs(p, 50, 11, 50, 480, colours::Black)) << "Y axis up to row 10, end pixel excluded";
    EXPECT_TRUE(pixelIs(p, 50, 10, colours::White)) << "no frame";
    EXPECT_TRUE(pixelIs(p, 751, 480, colours::White));
    for (int i = 0; i <= 10; ++i) {
        const int x = 50 + 70 * i;
        SCOPED_TRACE("X tick " + std::to_string(i));
        EXPECT_TRUE(boxIs(p, x, 480, x, 489, colours::Black));
        EXPECT_TRUE(pixelIs(p, x, 490, colours::White));
        EXPECT_TRUE(boxIs(p, x + 1, 481, x + 1, 490, colours::White));
        EXPECT_TRUE(textAt(p, x - 10, 500, std::to_string(4000 + 100 * i)));
    }
    const char* yLabels[] = {"0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1"};
    for (int i = 0; i <= 10; ++i) {
        const int y = 480 - 45 * i;
        SCOPED_TRACE("Y tick " + std::to_string(i));
        EXPECT_TRUE(boxIs(p, 50, y, 59, y, colours::Black));
        if (i > 0) {
            EXPECT_TRUE(pixelIs(p, 60, y, colours::White));
        }
        EXPECT_TRUE(textAt(p, 2, y, yLabels[i]));
    }
    EXPECT_EQ(t.state.XAxisEndPixel, 750);
    EXPECT_EQ(t.state.XAxisEnd, 5000);
    EXPECT_EQ(t.state.YAxisEndPixel, 30);
    EXPECT_EQ(FloatToStr(t.state.YAxisEnd, ','), "1");
}

TEST_F(DrawPlotTest, LabelsUseTheSeparatorInForce)
{
    setExampleAxes(t.state);
    t.app->DecimalSeparator = '.';
    draw();
    EXPECT_TRUE(textAt(picture(), 2, 435, "0.1"));
}

TEST_F(DrawPlotTest, ScuareFigClosesTheFrame)
{
    setExampleAxes(t.state);
    t.controls.CheckBox9.checked = true;
    draw();
    EXPECT_TRUE(boxIs(picture(), 50, 10, 749, 10, colours::Black)) << "top line";
    EXPECT_TRUE(boxIs(picture(), 750, 11, 750, 480, colours::Black)) << "right line";
    EXPECT_TRUE(pixelIs(picture(), 750, 10, colours::White)) << "both lines end short of the corner";
}

TEST_F(DrawPlotTest, TextsOnCentresTheTitlesOnHalfTheLastTick)
{
    setExampleAxes(t.state);
    t.controls.CheckBox7.checked = true;
    draw();
    EXPECT_TRUE(textAt(picture(), 365, 10, "TITLE"));
    EXPECT_TRUE(textAt(picture(), 369, 520, "TOP"));

    t.controls.Edit8.text = "AB";
    t.controls.Edit4.text = "";
    draw();
    EXPECT_TRUE(textAt(picture(), 371, 10, "AB"));
    EXPECT_TRUE(boxIs(picture(), 300, 520, 450, 532, colours::White)) << "an empty title draws nothing";

    t.controls.CheckBox7.checked = false;
    draw();
    EXPECT_TRUE(boxIs(picture(), 300, 10, 450, 22, colours::White));
}

struct LandingCase {
    const char* what;
    Extended x;
    Extended y;
    int column;
    int row;
    int roundedColumn; // where rounding instead of truncation would put it
};

TEST_F(DrawPlotTest, PointsLandWhereTheyMapTruncatedTowardZero)
{
    const LandingCase cases[] = {
        {"start values on the origin", 0, 0, 50, 480, 50},
        {"axis ends on the last ticks", 1024, 1, 750, 30, 750},
        {"exact middle", 512, 0.5L, 400, 255, 400},
        {"column 120.92, row 367.5", 103.75L, 0.25L, 120, 367, 121},
        {"column -0.59, row -0.22", -74, 1.0671875L, 0, 0, -1},
    };
    setExactAxes(t.state);
    t.controls.CheckBox1.checked = true;
    for (const LandingCase& c : cases) {
        SCOPED_TRACE(c.what);
        setSpectrum({{c.x, c.y}});
        draw();
        EXPECT_EQ(t.state.PointPixelX, c.column);
        EXPECT_EQ(t.state.PointPixelY, c.row);
        EXPECT_TRUE(pixelIs(picture(), c.column, c.row, colours::Black));
        if (c.roundedColumn != c.column && picture().contains(c.roundedColumn, c.row)) {
            EXPECT_TRUE(pixelIs(picture(), c.roundedColumn, c.row, colours::White)) << "not rounded";
        }
    }
}

TEST_F(DrawPlotTest, LineDotsAndPlusMarks)
{
    setExactAxes(t.state);
    setSpectrum({{256, 0.75L}, {768, 0.75L}}); // (225, 142) and (575, 142)

    draw();
    EXPECT_TRUE(boxIs(picture(), 225, 142, 574, 142, colours::Black)) << "line";
    EXPECT_TRUE(pixelIs(picture(), 575, 142, colours::White)) << "the line's end pixel is not set";
    EXPECT_EQ(t.state.PointPixelX, 575);
    EXPECT_EQ(t.state.PointPixelY, 142);
    const Raster line = picture();

    t.controls.CheckBox8.checked = true;
    draw();
    EXPECT_TRUE(samePicture(picture(), line)) << "Points has no effect on lines";

    t.controls.CheckBox1.checked = true;
    draw();
    for (const int x : {225, 575}) {
        EXPECT_TRUE(boxIs(picture(), x - 1, 142, x + 1, 142, colours::Black));
        EXPECT_TRUE(boxIs(picture(), x, 141, x, 143, colours::Black));
        EXPECT_TRUE(pixelIs(picture(), x + 1, 143, colours::White));
        EXPECT_TRUE(pixelIs(picture(), x - 2, 142, colours::White));
    }
    EXPECT_TRUE(pixelIs(picture(), 400, 142, colours::White)) << "dots are not joined";

    t.controls.CheckBox8.checked = false;
    draw();
    EXPECT_TRUE(pixelIs(picture(), 225, 142, colours::Black));
    EXPECT_TRUE(pixelIs(picture(), 226, 142, colours::White));
    EXPECT_TRUE(pixelIs(picture(), 225, 141, colours::White));
}

struct ColourCase {
    const char* what;
    bool plotResult;  // CheckBox10
    bool plotSecond;  // CheckBox3
    bool red;         // CheckBox6
    bool secondDots;  // CheckBox2
    Colour result;    // at (400, 142)
    Colour spectrum;  // at (400, 255)
    Colour second;    // at (400, 367)
    Colour secondEnd; // at (225, 367), the second plot's first point
};

TEST(DrawPlotColours, EachCurveInItsColour)
{
    using namespace colours;
    const ColourCase cases[] = {
        {"spectrum only", false, false, false, false, White, Black, White, White},
        {"result curve in green", true, false, false, false, Green, Black, White, White},
        {"second plot in black", false, true, false, false, White, Black, Black, Black},
        {"second plot in red", false, true, true, false, White, Black, Red, Red},
        {"red second plot as dots stays black", false, true, true, true, White, Black, White, Black},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        setExactAxes(t.state);
        setCurve(t.state.ResultX, t.state.ResultY, {{256, 0.75L}, {768, 0.75L}});
        setCurve(t.state.SpectrumX, t.state.SpectrumY, {{256, 0.5L}, {768, 0.5L}});
        setCurve(t.state.SecondX, t.state.SecondY, {{256, 0.25L}, {768, 0.25L}});
        t.state.PointCount = 2;
        t.state.SecondCount = 2;
        t.controls.CheckBox10.checked = c.plotResult;
        t.controls.CheckBox3.checked = c.plotSecond;
        t.controls.CheckBox6.checked = c.red;
        t.controls.CheckBox2.checked = c.secondDots;
        t.run(DrawPlot);
        const Raster& p = t.controls.Image1.picture.raster();
        EXPECT_TRUE(pixelIs(p, 400, 142, c.result));
        EXPECT_TRUE(pixelIs(p, 400, 255, c.spectrum));
        EXPECT_TRUE(pixelIs(p, 400, 367, c.second));
        EXPECT_TRUE(pixelIs(p, 225, 367, c.secondEnd));
        EXPECT_EQ(t.controls.Image1.picture.penColour(), Black) << "the pen is left black";
    }
}

TEST_F(DrawPlotTest, LaterCurvesLieOverEarlierOnes)
{
    setExactAxes(t.state);
    setCurve(t.state.ResultX, t.state.ResultY, {{256, 0.5L}, {768, 0.5L}});
    setCurve(t.state.SecondX, t.state.SecondY, {{512, 0}, {512, 1}}); // column 400, rows 480 to 30
    setSpectrum({{256, 0.5L}, {768, 0.5L}});
    t.state.SecondCount = 2;
    t.controls.CheckBox10.checked = true;
    t.controls.CheckBox3.checked = true;
    t.controls.CheckBox6.checked = true;
    draw();
    EXPECT_TRUE(pixelIs(picture(), 300, 255, colours::Black)) << "spectrum over the result curve";
    EXPECT_TRUE(pixelIs(picture(), 400, 255, colours::Red)) << "second plot over the spectrum";
}

TEST_F(DrawPlotTest, NoPointsDrawsNoCurve)
{
    setExactAxes(t.state);
    setCurve(t.state.SpectrumX, t.state.SpectrumY, {{256, 0.5L}, {768, 0.5L}});
    t.state.PointCount = 0;
    t.state.SecondCount = 0;
    t.state.PointPixelX = -7;
    t.controls.CheckBox10.checked = true;
    t.controls.CheckBox3.checked = true;
    draw();
    EXPECT_TRUE(boxIs(picture(), 100, 100, 700, 470, colours::White));
    EXPECT_EQ(t.state.PointPixelX, -7);
    EXPECT_EQ(t.state.XAxisEndPixel, 750);
}

TEST_F(DrawPlotTest, NoPixelsPerStepPutsEverythingOnColumn50)
{
    setExactAxes(t.state);
    t.state.XSteps = 701;
    t.state.XPixelsPerStep = 0;
    t.state.XStep = 1;
    setSpectrum({{0, 0.5L}, {350, 0.5L}, {701, 0.5L}});
    draw();
    EXPECT_EQ(t.state.XAxisEndPixel, 50);
    EXPECT_EQ(t.state.XAxisEnd, 701);
    EXPECT_EQ(t.state.PointPixelX, 50);
    EXPECT_TRUE(boxIs(picture(), 50, 481, 50, 489, colours::Black));
    EXPECT_TRUE(boxIs(picture(), 51, 481, 749, 489, colours::White)) << "no tick right of column 50";
    EXPECT_TRUE(textAt(picture(), 40, 500, "701")) << "the last label lies on top";
    EXPECT_TRUE(boxIs(picture(), 61, 100, 749, 470, colours::White)) << "every point on column 50";
}

TEST_F(DrawPlotTest, NegativeStepCountKeepsTheAxisEndsFromBefore)
{
    setExampleAxes(t.state);
    t.state.XSteps = -3;
    t.state.XPixelsPerStep = -233;
    t.state.YSteps = -2;
    t.state.YPixelsPerStep = -225;
    t.state.XAxisEndPixel = 610; // left by an earlier rendering
    t.state.XAxisEnd = 4800;
    t.state.YAxisEndPixel = 30;
    t.state.YAxisEnd = 1;
    t.controls.CheckBox1.checked = true;
    t.controls.CheckBox7.checked = true;
    setSpectrum({{4800, 1}});
    draw();
    EXPECT_EQ(t.state.XAxisEndPixel, 610);
    EXPECT_EQ(t.state.XAxisEnd, 4800);
    EXPECT_EQ(t.state.YAxisEndPixel, 30);
    EXPECT_EQ(t.state.YAxisEnd, 1);
    EXPECT_TRUE(boxIs(picture(), 0, 481, 799, 512, colours::White)) << "no X tick, no X label";
    EXPECT_TRUE(boxIs(picture(), 0, 0, 49, 470, colours::White)) << "no Y label";
    EXPECT_TRUE(pixelIs(picture(), 610, 30, colours::Black)) << "mapped with the ends from before";
    EXPECT_TRUE(textAt(picture(), 305 - 10, 10, "TITLE")) << "centre: half the column from before";
}

struct SpanCase {
    const char* what;
    std::int32_t xSteps;
    Extended xStep;
    Extended yStep;
};

TEST(DrawPlotSpan, AnAxisWithoutSpanDrawsNoCurve)
{
    const SpanCase cases[] = {
        {"X step 0", 4, 0, 0.5L},
        {"no X steps", 0, 256, 0.5L},
        {"Y step 0", 4, 256, 0},
    };
    for (const SpanCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        setExactAxes(t.state);
        t.state.XSteps = c.xSteps;
        t.state.XStep = c.xStep;
        t.state.YStep = c.yStep;
        setCurve(t.state.SpectrumX, t.state.SpectrumY, {{256, 0.5L}, {768, 0.75L}});
        t.state.PointCount = 2;
        t.state.PointPixelX = -7;
        t.controls.CheckBox8.checked = true;
        t.run(DrawPlot);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
        EXPECT_EQ(t.state.PointPixelX, -7) << "no point was mapped";
        const Raster& p = t.controls.Image1.picture.raster();
        EXPECT_TRUE(boxIs(p, 50, 480, 749, 480, colours::Black)) << "the axes are drawn";
        EXPECT_TRUE(boxIs(p, 100, 100, 700, 470, colours::White)) << "no curve";
        EXPECT_TRUE(textAt(p, 40, 500, "0"));
    }
}

TEST_F(DrawPlotTest, ASecondRenderingErasesMarksAndTitles)
{
    setExactAxes(t.state);
    setSpectrum({{256, 0.5L}, {768, 0.75L}});
    draw();
    const Raster first = picture();
    t.controls.Image1.picture.setPixel(400, 300, colours::Blue);
    t.run(Button13Click);
    ASSERT_NE(picture(), first);
    draw();
    EXPECT_TRUE(samePicture(picture(), first));
}

TEST_F(DrawPlotTest, DrawsOnTheBackgroundFile)
{
    // A background with a grey square: what the curves do not cover stays as the file has it.
    Raster background = Raster::blank16Colour();
    for (int y = 200; y < 210; ++y)
        for (int x = 600; x < 610; ++x)
            background.setPixel(x, y, 0x808080);
    writeFileBytes(t.drive.native("C://VELK//initialBMP.bmp"), encodeBitmap(background));
    setExampleAxes(t.state);
    draw();
    EXPECT_TRUE(boxIs(picture(), 600, 200, 609, 209, 0x808080));
}

TEST(DrawPlotBackground, AnUnreadableBackgroundChangesNothing)
{
    struct Case {
        const char* what;
        const char* bytes; // nullptr: no file
    };
    for (const Case c : {Case{"missing", nullptr}, Case{"not a bitmap", "BM not really"}}) {
        SCOPED_TRACE(c.what);
        TestApp t;
        setExampleAxes(t.state);
        t.state.CalibratorMode = 1;
        t.run(DrawPlot);
        const Raster before = t.controls.Image1.picture.raster();
        const auto background = t.drive.native("C://VELK//initialBMP.bmp");
        if (c.bytes)
            writeFileBytes(background, c.bytes);
        else
            std::filesystem::remove(background);
        std::filesystem::remove(t.drive.native("C://VELK//C2.txt"));
        t.takeSeen();

        t.state.XSteps = 5;
        t.state.XPixelsPerStep = 140;
        t.controls.Image1.picture.setPenColour(colours::Red);
        t.run(DrawPlot);
        const std::vector<std::string> seen = t.takeSeen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
        EXPECT_NE(seen[0].find("initialBMP.bmp"), std::string::npos) << seen[0];
        EXPECT_TRUE(samePicture(t.controls.Image1.picture.raster(), before));
        EXPECT_EQ(t.controls.Image1.picture.penColour(), colours::Red);
        EXPECT_EQ(t.state.XAxisEndPixel, 750);
        EXPECT_EQ(t.state.XAxisEnd, 5000);
        EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//C2.txt")), "<missing>");
    }
}

/** What the rendering without curves plus one black canvas line from `from` to `to` gives. */
Raster axesWithLine(Pixel from, Pixel to)
{
    TestApp t;
    t.app->DecimalSeparator = ',';
    setExactAxes(t.state);
    t.run(DrawPlot);
    Picture& picture = t.controls.Image1.picture;
    picture.moveTo(from.x, from.y);
    picture.lineTo(to.x, to.y);
    return picture.raster();
}

TEST_F(DrawPlotTest, FarOutPointsDrawTheLineTheyDefine)
{
    setExactAxes(t.state);
    // Point k of a line of slope 3/7 through (225, 255): column 225 + 525 k, row 255 + 225 k, exact in
    // the data values and the mapping. Its pixels repeat every 7 columns and never fall on a tie, so
    // near ends k = +-10 give the same pixels inside the picture as ends far beyond 32 bits.
    const auto pixelOfK = [](std::int64_t k) {
        return Pixel{static_cast<std::int32_t>(225 + 525 * k), static_cast<std::int32_t>(255 + 225 * k)};
    };
    struct Case {
        const char* what;
        Extended fromK;
        Extended toK;
        Pixel sameFrom; // the same line, drawn by the canvas between near ends
        Pixel sameTo;
    };
    const Extended within = 2097152;    // 2^21: columns about 1.1e9
    const Extended beyond = 1099511627776.0L; // 2^40: columns about 5.8e14
    const Case cases[] = {
        {"far end within 32 bits", 0, within, pixelOfK(0), pixelOfK(2097152)},
        {"both ends far, within 32 bits", -within, within, pixelOfK(-2097152), pixelOfK(2097152)},
        {"far end beyond 32 bits", 0, beyond, pixelOfK(0), pixelOfK(10)},
        {"far end beyond 32 bits, up and left", 0, -beyond, pixelOfK(0), pixelOfK(-10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setSpectrum({{256 + 768 * c.fromK, 0.5L - 0.5L * c.fromK}, {256 + 768 * c.toK, 0.5L - 0.5L * c.toK}});
        draw();
        EXPECT_TRUE(samePicture(picture(), axesWithLine(c.sameFrom, c.sameTo)));
    }
}

TEST_F(DrawPlotTest, PointsBeyondThirtyTwoBitsAreHeldAtTheLimit)
{
    setExactAxes(t.state);
    t.controls.CheckBox1.checked = true;
    t.controls.CheckBox8.checked = true;
    setSpectrum({{1e300L, -1e300L}});
    draw();
    EXPECT_EQ(t.state.PointPixelX, 2147483647);
    EXPECT_EQ(t.state.PointPixelY, 2147483647);
    EXPECT_TRUE(boxIs(picture(), 100, 100, 700, 470, colours::White));
}

} // namespace
