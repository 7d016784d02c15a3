// Program start: the command line is processed before the window is first shown.
#include "window_fixture.h"

#include "gui/plot_view.h"
#include "gui/raster_image.h"

#include <QLabel>

namespace {

const std::string Table = "6000 1\r\n6001 3\r\n6002 2\r\n6003 5\r\n";

int nonWhitePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++count;
    return count;
}

using StartupTest = WindowFixture;

TEST_F(StartupTest, WithoutArgumentsTheWindowShowsItsDesign)
{
    window.start({});
    EXPECT_EQ(app->state.CalibratorMode, 0);
    EXPECT_EQ(editorText("Memo1"), "Memo1");
    EXPECT_EQ(editorText("Memo2"), "Memo2");
    EXPECT_FALSE(shown("Button10")) << "STORE is hidden at start";
    const QImage& picture = widget<PlotView>("Image1")->image();
    EXPECT_EQ(picture.size(), QSize(800, 600));
    EXPECT_EQ(nonWhitePixels(picture), 0);
    EXPECT_TRUE(seen.empty());
}

TEST_F(StartupTest, ATableArgumentIsShownCopiedAndPlottedBeforeTheWindowShows)
{
    const auto table = writeTable("spectrum with blanks.txt", Table);
    window.start({table.string()});

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(editorText("Memo1"), "6000 1\n6001 3\n6002 2\n6003 5\n");
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//KOLDAR//F0.txt")), Table);
    EXPECT_TRUE(shown("Button10")) << "STORE is shown after the plot";
    EXPECT_EQ(app->state.PointCount, 4);
    EXPECT_EQ(widget<QLabel>("StaticText1")->text(), "Min X=6000");

    const QImage& picture = widget<PlotView>("Image1")->image();
    EXPECT_GT(nonWhitePixels(picture), 0) << "the spectrum is plotted";
    EXPECT_EQ(picture, rasterToImage(app->controls.Image1.picture.raster()));
    EXPECT_TRUE(seen.empty());
}

struct MarkerCase {
    const char* argument;
    int calibratorMode;
    bool reportsMissingFile;
};

class StartupMarkerTest : public WindowFixture, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(StartupMarkerTest, OnlyTheExactMarkerStartsCalibratorMode)
{
    const MarkerCase& c = GetParam();
    if (c.reportsMissingFile)
        acknowledgeNext();
    window.start({c.argument, "ignored"});
    EXPECT_EQ(app->state.CalibratorMode, c.calibratorMode);
    EXPECT_EQ(editorText("Memo1"), "Memo1");
    EXPECT_FALSE(shown("Button10"));
    ASSERT_EQ(seen.size(), c.reportsMissingFile ? 1u : 0u);
    if (c.reportsMissingFile) {
        EXPECT_TRUE(seen[0].starts_with("error: ")) << seen[0];
    }
    EXPECT_FALSE(ui.closeRequested());
}

INSTANTIATE_TEST_SUITE_P(Arguments, StartupMarkerTest,
                         ::testing::Values(MarkerCase{"a68s68r", 1, false}, MarkerCase{"A68S68R", 0, true},
                                           MarkerCase{"a68s68r ", 0, true}));

TEST_F(StartupTest, ATooLongTableIsRefusedAndTheWindowStillOpens)
{
    std::string lines;
    for (int i = 0; i < 30001; ++i)
        lines += std::to_string(5000 + i) + " 1\r\n";
    const auto table = writeTable("long.txt", lines);
    acknowledgeNext();
    window.start({table.string()});
    EXPECT_FALSE(ui.closeRequested()) << "the tables' text is kept on the screen";
    EXPECT_EQ(app->state.PointCount, 0);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "message: Too long file");
}

} // namespace
