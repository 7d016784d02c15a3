#include "picture_checks.h"

#include "platform/bitmap_file.h"
#include "plot/axis_settings.h"
#include "plot/plot_commands.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

/** X ticks are at exactly these columns: black below the axis, nothing between them (right of the
 * Y labels). */
::testing::AssertionResult xTicksAt(const Raster& p, const std::vector<int>& columns)
{
    for (int x = 40; x < p.width(); ++x) {
        const bool tick = std::find(columns.begin(), columns.end(), x) != columns.end();
        if (auto r = pixelIs(p, x, 485, tick ? colours::Black : colours::White); !r)
            return r << (tick ? " (tick expected)" : " (no tick expected)");
    }
    return ::testing::AssertionSuccess();
}

TEST(PlotButton, WithoutAutoCalibrateUsesTheSettingsAsTheyAre)
{
    TestApp t;
    setExampleAxes(t.state);
    t.controls.Edit3.text = "5";
    t.run(Button4Click);
    t.run(Button11Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
    EXPECT_TRUE(xTicksAt(t.controls.Image1.picture.raster(), {50, 190, 330, 470, 610, 750}));
    EXPECT_FALSE(t.controls.Button10.visible);
}

TEST(PlotButton, AutoCalibrateReadsAndRangesFirst)
{
    TestApp t;
    setExampleAxes(t.state);
    t.setTable(t.controls.Memo1, "4000 1\r\n4500 2\r\n5000 3\r\n");
    t.controls.Edit3.text = "5";
    t.run(Button4Click);
    t.controls.CheckBox12.checked = true;
    t.run(Button11Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{});
    EXPECT_EQ(t.state.PointCount, 3);
    EXPECT_EQ(t.state.XSteps, 10);
    EXPECT_EQ(t.state.XPixelsPerStep, 70);
    EXPECT_TRUE(t.controls.Button10.visible);
    std::vector<int> columns;
    for (int i = 0; i <= 10; ++i)
        columns.push_back(50 + 70 * i);
    EXPECT_TRUE(xTicksAt(t.controls.Image1.picture.raster(), columns));
}

TEST(PlotButton, AFailedReadDrawsNothing)
{
    TestApp t;
    setExampleAxes(t.state);
    t.setTable(t.controls.Memo1, "4000 1\r\nnot a number\r\n");
    t.controls.CheckBox12.checked = true;
    t.run(Button11Click);
    const std::vector<std::string> seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
    EXPECT_EQ(t.controls.Image1.picture.raster(), Raster::blank16Colour());
}

class SaveCommand : public ::testing::Test {
protected:
    std::string chosen(const char* name) const { return (t.drive.root() / name).string(); }
    TestApp t;
};

TEST_F(SaveCommand, WritesThePictureAsABitmapWhateverTheName)
{
    setExampleAxes(t.state);
    t.run(Button11Click);
    t.controls.Edit8.text = "mark";
    t.run(Button13Click); // drawn on the picture since the rendering: saved with it
    t.takeSeen();
    const std::string path = chosen("plot.txt");
    t.ui.queue({ScriptedAnswer::Kind::Save, path});
    t.run(FileSave1Execute);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"save-dialog: [GRAPHIC - BMP] [*.BMP] -> " + path});
    EXPECT_EQ(readFileBytes(path), encodeBitmap(t.controls.Image1.picture.raster()));
}

TEST_F(SaveCommand, BeforeAnyRenderingSavesTheBlankPicture)
{
    const std::string path = chosen("blank.bmp");
    writeFileBytes(path, "an older file, replaced without a question");
    t.ui.queue({ScriptedAnswer::Kind::Save, path});
    t.run(FileSave1Execute);
    EXPECT_EQ(readFileBytes(path), encodeBitmap(Raster::blank16Colour()));
}

TEST_F(SaveCommand, CancelWritesNothing)
{
    t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
    t.run(FileSave1Execute);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"save-dialog: [GRAPHIC - BMP] [*.BMP] -> cancel"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.drive.root()),
                            std::filesystem::directory_iterator()),
              1)
        << "only VELK";
}

TEST_F(SaveCommand, AnUnwritableNameIsReported)
{
    const std::string path = chosen("no such folder/plot.bmp");
    t.ui.queue({ScriptedAnswer::Kind::Save, path});
    t.run(FileSave1Execute);
    const std::vector<std::string> seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].rfind("error: ", 0), 0u) << seen[1];
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
