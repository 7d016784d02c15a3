#include "support/test_app.h"
#include "table/axis_ranging.h"
#include "table/rescan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the re-scan commands must never touch: the axis settings, their boxes and STORE.
struct AxisSettings {
    std::vector<Extended> values;
    std::vector<int> counts;
    std::vector<std::string> texts;
    bool storeVisible;

    explicit AxisSettings(const TestApp& t)
    {
        const AppState& s = t.state;
        const Controls& c = t.controls;
        values = {s.XStart, s.XStep, s.XCeiling, s.XAxisEnd, s.YStart, s.YStep, s.YCeiling, s.YAxisEnd};
        counts = {s.XSteps, s.YSteps, s.XPixelsPerStep, s.YPixelsPerStep};
        for (const Control* control : {&c.Edit2, &c.Edit3, &c.Edit5, &c.Label11, &c.StaticText6, &c.Edit6,
                                       &c.Edit7, &c.Edit9, &c.Label12, &c.StaticText7})
            texts.push_back(control->text);
        storeVisible = c.Button10.visible;
    }
    bool operator==(const AxisSettings&) const = default;
};

std::vector<std::string> extremesCaptions(const Controls& c)
{
    return {c.StaticText1.text, c.StaticText2.text, c.StaticText3.text, c.StaticText4.text};
}

void preplot(TestApp& t, const std::string& table)
{
    t.setTable(t.controls.Memo1, table);
    t.run(Button1Click);
    ASSERT_TRUE(t.takeSeen().empty());
}

TEST(Regognise, ReadsTheTableAgainAndNothingElse)
{
    TestApp t;
    preplot(t, "4012.7 0.5\r\n5000 0.7\r\n7023.1 0.95\r\n");
    const AxisSettings settings(t);
    const std::vector<std::string> captions = extremesCaptions(t.controls);
    const Extended maxY = t.state.MaxY;

    t.controls.Memo1.lines.setLine(1, "5000 3.25");
    t.run(Button8Click);
    EXPECT_TRUE(t.takeSeen().empty());
    EXPECT_EQ(t.state.SpectrumY[1], 3.25L);
    EXPECT_EQ(t.state.PointCount, 3);
    EXPECT_EQ(t.controls.StaticText5.text, "4");
    EXPECT_EQ(AxisSettings(t), settings);
    EXPECT_EQ(extremesCaptions(t.controls), captions);
    EXPECT_EQ(t.state.MaxY, maxY);
}

TEST(MaxMin, ShowsTheNewExtremesButKeepsTheAxes)
{
    TestApp t;
    preplot(t, "4012.7 0.5\r\n7023.1 0.95\r\n");
    const AxisSettings settings(t);

    t.controls.Memo1.lines.setLine(1, "8100.5 0.95");
    t.run(Button12Click);
    EXPECT_TRUE(t.takeSeen().empty());
    EXPECT_EQ(t.state.MaxX, 8100.5L);
    EXPECT_EQ(t.controls.StaticText3.text, "Max X=8100,5");
    EXPECT_EQ(t.controls.StaticText1.text, "Min X=4012,7");
    EXPECT_EQ(t.controls.StaticText5.text, "3");
    EXPECT_EQ(AxisSettings(t), settings) << "XCeiling, XStep, StaticText6 and the rest stay";
}

TEST(Rescan, BothCommandsReadOnlyTheLeftTableWhenPlotThisDataIsTicked)
{
    for (const auto handler : {Button8Click, Button12Click}) {
        TestApp t;
        t.setTable(t.controls.Memo1, "3\r\n1 1\r\n2 2\r\n3 3\r\n4 4\r\n");
        t.setTable(t.controls.Memo2, "40 4.5\r\n41 4.25\r\n");
        t.controls.CheckBox11.checked = true;
        t.run(handler);
        EXPECT_TRUE(t.takeSeen().empty());
        EXPECT_EQ(t.state.PointCount, 2);
        EXPECT_EQ(t.controls.StaticText5.text, "3");
        EXPECT_EQ(t.state.SpectrumX[0], 40);
        EXPECT_EQ(t.state.SpectrumY[1], 4.25L);
        EXPECT_EQ(t.state.SpectrumX[2], 0) << "no third point from the right table";
    }
}

TEST(Rescan, EmptyTableReadsNoPointAndKeepsEverythingElse)
{
    for (const auto handler : {Button8Click, Button12Click}) {
        TestApp t;
        preplot(t, "4012.7 0.5\r\n7023.1 0.95\r\n");
        const AxisSettings settings(t);
        const std::vector<std::string> captions = extremesCaptions(t.controls);
        t.controls.Memo1.lines.clear();
        t.run(handler);
        EXPECT_TRUE(t.takeSeen().empty());
        EXPECT_EQ(t.state.PointCount, 0);
        EXPECT_EQ(t.state.TableCount, 0);
        EXPECT_EQ(t.controls.StaticText5.text, "1");
        EXPECT_EQ(extremesCaptions(t.controls), captions);
        EXPECT_EQ(AxisSettings(t), settings) << "pixels per step stay 70 and 45";
    }
}

TEST(MaxMin, ConversionErrorKeepsTheExtremesAndCounters)
{
    TestApp t;
    preplot(t, "4012.7 0.5\r\n7023.1 0.95\r\n");
    const std::vector<std::string> captions = extremesCaptions(t.controls);
    const Extended maxX = t.state.MaxX;
    t.setTable(t.controls.Memo1, "9000 1\r\n9100 1;5\r\n");
    t.run(Button12Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: '1;5' is not a valid floating point value"});
    EXPECT_EQ(t.state.SpectrumX[0], 9000) << "the earlier points of this run are stored";
    EXPECT_EQ(t.state.PointCount, 2);
    EXPECT_EQ(t.controls.StaticText5.text, "3");
    EXPECT_EQ(t.state.MaxX, maxX);
    EXPECT_EQ(extremesCaptions(t.controls), captions);
}

TEST(Rescan, TooLongTableShowsTheMessageAndChangesNothing)
{
    for (const auto handler : {Button8Click, Button12Click}) {
        TestApp t;
        preplot(t, "4012.7 0.5\r\n7023.1 0.95\r\n");
        const AxisSettings settings(t);
        const std::vector<std::string> captions = extremesCaptions(t.controls);
        t.setTable(t.controls.Memo1, "40000\r\n1 1\r\n");
        t.run(handler);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: Too long file"});
        EXPECT_FALSE(t.ui.closeRequested());
        EXPECT_EQ(t.state.PointCount, 2);
        EXPECT_EQ(t.controls.StaticText5.text, "3");
        EXPECT_EQ(t.state.SpectrumX[0], 4012.7L);
        EXPECT_EQ(extremesCaptions(t.controls), captions);
        EXPECT_EQ(AxisSettings(t), settings);
    }
}

} // namespace
