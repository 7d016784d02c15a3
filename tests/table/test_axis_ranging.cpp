#include "platform/number_conversions.h"
#include "support/test_app.h"
#include "table/axis_ranging.h"
#include "table/scan_table.h"
#include "table/table_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string text(Extended value)
{
    return FloatToStr(value, ',');
}

// The settings and boxes of both axis groups, to see what a command left alone.
struct AxisGroups {
    Extended xStart, xCeiling, xStep, xEnd, yStart, yCeiling, yStep, yEnd;
    int xSteps, ySteps, xPixels, yPixels;
    std::vector<std::string> texts;

    explicit AxisGroups(const TestApp& t)
        : xStart(t.state.XStart), xCeiling(t.state.XCeiling), xStep(t.state.XStep), xEnd(t.state.XAxisEnd),
          yStart(t.state.YStart), yCeiling(t.state.YCeiling), yStep(t.state.YStep), yEnd(t.state.YAxisEnd),
          xSteps(t.state.XSteps), ySteps(t.state.YSteps), xPixels(t.state.XPixelsPerStep),
          yPixels(t.state.YPixelsPerStep)
    {
        const Controls& c = t.controls;
        for (const Control* control :
             {&c.Edit2, &c.Edit3, &c.Edit5, &c.Label11, &c.StaticText6, &c.Edit6, &c.Edit7, &c.Edit9,
              &c.Label12, &c.StaticText7, &c.StaticText1, &c.StaticText2, &c.StaticText3, &c.StaticText4})
            texts.push_back(control->text);
    }
    bool sameSettings(const AxisGroups& o) const
    {
        return xStart == o.xStart && xCeiling == o.xCeiling && xStep == o.xStep && xEnd == o.xEnd &&
               yStart == o.yStart && yCeiling == o.yCeiling && yStep == o.yStep && yEnd == o.yEnd &&
               xSteps == o.xSteps && ySteps == o.ySteps;
    }
};

// A table whose extremes are the given ones on both axes.
void setTwoPoints(TestApp& t, const std::string& x0, const std::string& y0, const std::string& x1,
                  const std::string& y1)
{
    t.setTable(t.controls.Memo1, x0 + " " + y0 + "\r\n" + x1 + " " + y1 + "\r\n");
}

struct Example {
    bool xAxis;
    std::string min, max;
    std::string start, ceiling, step, end;
};

TEST(Preplot, ProposesTheAxesOfTypicalData)
{
    const Example examples[] = {
        {true, "4012.7", "7023.1", "4010", "7030", "310", "7110"},
        {true, "3500", "12000", "0", "12000", "1200", "12000"},
        {true, "999.99999", "1200", "990", "1200", "30", "1290"},
        {true, "1000", "1000", "1000", "1000", "0", "1000"},
        {false, "0.5", "0.95", "0,5", "0,95", "0,046", "0,96"},
        {true, "0.5", "0.95", "0,5", "0,95", "0,0459999989718199", "0,959999989718199"},
        {false, "120", "35000", "0", "40000", "4000", "40000"},
        {true, "120", "35000", "0", "35000", "3500", "35000"},
        {false, "-0.2", "0.7", "0", "0,700000984353758", "0,071", "0,71"},
    };
    for (const Example& x : examples) {
        TestApp t;
        if (x.xAxis)
            setTwoPoints(t, x.min, "1", x.max, "2");
        else
            setTwoPoints(t, "1", x.min, "2", x.max);
        t.run(Button1Click);
        const std::string row = (x.xAxis ? "X " : "Y ") + x.min + " to " + x.max;
        ASSERT_TRUE(t.takeSeen().empty()) << row;
        const AppState& s = t.state;
        const Controls& c = t.controls;
        // What the axis group of the row shows: values, then the texts of its boxes and captions.
        const std::vector<std::string> shown =
            x.xAxis ? std::vector<std::string>{text(s.XStart),     text(s.XCeiling),   text(s.XStep),
                                               text(s.XAxisEnd),   c.Edit2.text,       c.Edit5.text,
                                               c.StaticText6.text, c.StaticText1.text, c.StaticText3.text}
                    : std::vector<std::string>{text(s.YStart),     text(s.YCeiling),   text(s.YStep),
                                               text(s.YAxisEnd),   c.Edit6.text,       c.Edit9.text,
                                               c.StaticText7.text, c.StaticText2.text, c.StaticText4.text};
        const std::string axis = x.xAxis ? "X" : "Y";
        const std::vector<std::string> expected{x.start,
                                                x.ceiling,
                                                x.step,
                                                x.end,
                                                x.start,
                                                x.step,
                                                x.end,
                                                "Min " + axis + "=" + DotToComma(x.min),
                                                "Max " + axis + "=" + DotToComma(x.max)};
        EXPECT_EQ(shown, expected) << row;
        EXPECT_TRUE(c.Button10.visible) << row;
    }
}

TEST(Preplot, SinglePointGivesOneDecimalUnitOfSpan)
{
    TestApp t;
    t.setTable(t.controls.Memo1, "4861.3 0.5\r\n");
    t.run(Button1Click);
    EXPECT_EQ(t.state.XStart, 4860);
    EXPECT_EQ(t.state.XCeiling, 4870);
    EXPECT_EQ(text(t.state.XStep), "10");
    EXPECT_EQ(text(t.state.XAxisEnd), "4960");
    EXPECT_EQ(t.controls.Edit2.text, "4860");
    EXPECT_EQ(t.controls.Edit5.text, "10");
    EXPECT_EQ(t.controls.StaticText6.text, "4960");
}

TEST(Preplot, AlwaysProposesTenStepsAndThePixelsThatFit)
{
    TestApp t;
    t.controls.Edit3.text = "7";
    t.controls.Edit7.text = "3";
    t.state.XSteps = 7;
    t.state.YSteps = 3;
    t.state.XPixelsPerStep = 100;
    t.state.YPixelsPerStep = 150;
    t.setTable(t.controls.Memo1, "10 1.5\r\n11 1.6\r\n");
    t.run(Button1Click);
    EXPECT_EQ(t.state.XSteps, 10);
    EXPECT_EQ(t.state.YSteps, 10);
    EXPECT_EQ(t.state.XPixelsPerStep, 70);
    EXPECT_EQ(t.state.YPixelsPerStep, 45);
    EXPECT_EQ(t.controls.Edit3.text, "10");
    EXPECT_EQ(t.controls.Edit7.text, "10");
    EXPECT_EQ(t.controls.Label11.text, "70");
    EXPECT_EQ(t.controls.Label12.text, "45");
}

// A first Preplot on a readable table, so that later commands have settings to keep or replace.
void preplotReadableTable(TestApp& t)
{
    t.setTable(t.controls.Memo1, "4012.7 0.5\r\n7023.1 0.95\r\n");
    t.run(Button1Click);
    ASSERT_TRUE(t.takeSeen().empty());
    ASSERT_EQ(t.controls.Edit2.text, "4010");
    ASSERT_EQ(t.controls.Label11.text, "70");
}

TEST(Preplot, EmptyTableLeavesTheAxesButSetsTenPixelsPerStep)
{
    for (const std::string table : {"", "1\r\n10 1\r\n"}) {
        TestApp t;
        preplotReadableTable(t);
        t.controls.Button10.visible = false;
        const AxisGroups before(t);
        t.setTable(t.controls.Memo1, table);
        t.run(Button1Click);
        EXPECT_TRUE(t.takeSeen().empty());
        EXPECT_EQ(t.state.PointCount, 0);
        EXPECT_EQ(t.controls.StaticText5.text, "1");
        EXPECT_EQ(t.state.XPixelsPerStep, 10);
        EXPECT_EQ(t.state.YPixelsPerStep, 10);
        const AxisGroups after(t);
        EXPECT_TRUE(after.sameSettings(before));
        EXPECT_EQ(after.texts, before.texts) << "Label11 and Label12 still show 70 and 45";
        EXPECT_TRUE(t.controls.Button10.visible) << "the scan completed: STORE is shown";
    }
}

TEST(Preplot, ConversionErrorEndsItAfterSettingTenPixelsPerStep)
{
    for (const bool storeShown : {false, true}) {
        TestApp t;
        preplotReadableTable(t);
        t.controls.Button10.visible = storeShown;
        const AxisGroups before(t);
        t.setTable(t.controls.Memo1, "5000 1\r\n6000 one\r\n");
        t.run(Button1Click);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: 'one' is not a valid floating point value"});
        EXPECT_EQ(t.state.XPixelsPerStep, 10);
        EXPECT_EQ(t.state.YPixelsPerStep, 10);
        EXPECT_EQ(t.state.PointCount, 2);
        EXPECT_TRUE(AxisGroups(t).sameSettings(before));
        EXPECT_EQ(AxisGroups(t).texts, before.texts);
        EXPECT_EQ(t.controls.Button10.visible, storeShown) << "STORE keeps its visibility";
    }
}

TEST(Preplot, TooLongTableEndsTheCommandQuietly)
{
    TestApp t;
    preplotReadableTable(t);
    t.controls.Button10.visible = false;
    const AxisGroups before(t);
    t.setTable(t.controls.Memo1, "30001\r\n1 1\r\n");
    t.run(Button1Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: Too long file"});
    EXPECT_FALSE(t.ui.closeRequested());
    EXPECT_FALSE(t.controls.Button10.visible);
    EXPECT_EQ(t.state.PointCount, 2);
    EXPECT_EQ(t.controls.StaticText5.text, "3");
    EXPECT_TRUE(AxisGroups(t).sameSettings(before));
    EXPECT_EQ(AxisGroups(t).texts, before.texts);
    EXPECT_EQ(t.controls.Memo1.lines.count(), 2) << "the table text stays";
}

TEST(Preplot, AxisWithoutUsableDecadeKeepsItsSettingsAndSaysWhy)
{
    struct Case {
        std::string table;
        bool xUnusable;
        std::string message;
    };
    const Case cases[] = {
        {"4012.7 0\r\n7023.1 0\r\n", false,
         "message: Cannot range the Y axis: its largest value is 0 or below"},
        {"4012.7 -1\r\n7023.1 -0.5\r\n", false,
         "message: Cannot range the Y axis: its largest value is 0 or below"},
        {"4012.7 1e39\r\n7023.1 1\r\n", false,
         "message: Cannot range the Y axis: its largest value is beyond single precision"},
        {"-5 0.5\r\n-2 0.95\r\n", true, "message: Cannot range the X axis: its largest value is 0 or below"},
    };
    for (const Case& c : cases) {
        TestApp t;
        t.setTable(t.controls.Memo1, "100 200\r\n900 800\r\n");
        t.run(Button1Click);
        ASSERT_TRUE(t.takeSeen().empty());
        const AxisGroups before(t);
        t.controls.Button10.visible = false;
        t.setTable(t.controls.Memo1, c.table);
        t.run(Button1Click);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{c.message}) << c.table;
        const AppState& s = t.state;
        const Controls& ct = t.controls;
        if (c.xUnusable) {
            EXPECT_EQ(s.XStart, before.xStart);
            EXPECT_EQ(s.XStep, before.xStep);
            EXPECT_EQ(s.XAxisEnd, before.xEnd);
            EXPECT_EQ(ct.Edit2.text, before.texts[0]);
            EXPECT_EQ(ct.Edit5.text, before.texts[2]);
            EXPECT_EQ(ct.Label11.text, "70") << "still the text of the earlier ranging";
            EXPECT_EQ(s.XPixelsPerStep, 10);
            EXPECT_EQ(ct.Edit6.text, "0,5") << "the Y axis is still ranged";
            EXPECT_EQ(s.YPixelsPerStep, 45);
        } else {
            EXPECT_EQ(s.YStart, before.yStart);
            EXPECT_EQ(s.YStep, before.yStep);
            EXPECT_EQ(s.YAxisEnd, before.yEnd);
            EXPECT_EQ(ct.Edit6.text, before.texts[5]);
            EXPECT_EQ(ct.Edit9.text, before.texts[7]);
            EXPECT_EQ(s.YPixelsPerStep, 10);
            EXPECT_EQ(ct.Edit2.text, "4010") << "the X axis is still ranged";
            EXPECT_EQ(s.XPixelsPerStep, 70);
        }
        EXPECT_TRUE(ct.Button10.visible) << c.table;
    }
}

TEST(FindExtremes, ShowsTheExtremesOfTheCountedPointsOnly)
{
    TestApp t;
    t.setTable(t.controls.Memo1, "5 -1\r\n2 7\r\n9 3\r\n100 -50\r\n");
    ASSERT_TRUE(ScanTable(*t.app));
    t.state.TableCount = 3; // the fourth point lies beyond the count
    FindExtremes(*t.app);
    EXPECT_EQ(t.state.MinX, 2);
    EXPECT_EQ(t.state.MaxX, 9);
    EXPECT_EQ(t.state.MinY, -1);
    EXPECT_EQ(t.state.MaxY, 7);
    EXPECT_EQ(t.controls.StaticText1.text, "Min X=2");
    EXPECT_EQ(t.controls.StaticText3.text, "Max X=9");
    EXPECT_EQ(t.controls.StaticText2.text, "Min Y=-1");
    EXPECT_EQ(t.controls.StaticText4.text, "Max Y=7");
}

} // namespace
