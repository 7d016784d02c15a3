#include "platform/app_error.h"
#include "support/test_app.h"
#include "table/command_runner.h"
#include "table/scan_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

enum class Mode { None, TwoColumns, SecondOfThree, ThirdOfThree };

const char* modeName(Mode mode)
{
    switch (mode) {
    case Mode::None:
        return "no column mode";
    case Mode::TwoColumns:
        return "RadioButton4";
    case Mode::SecondOfThree:
        return "RadioButton5";
    case Mode::ThirdOfThree:
        return "RadioButton6";
    }
    return "?";
}

void selectMode(Controls& c, Mode mode)
{
    switch (mode) {
    case Mode::None:
        for (Control* radio : c.radioGroup())
            radio->checked = false;
        break;
    case Mode::TwoColumns:
        c.selectRadio(c.RadioButton4);
        break;
    case Mode::SecondOfThree:
        c.selectRadio(c.RadioButton5);
        break;
    case Mode::ThirdOfThree:
        c.selectRadio(c.RadioButton6);
        break;
    }
}

struct Point {
    Extended x;
    Extended y;
};

using Outcome = std::optional<Point>; // nothing: a conversion error
const Outcome refused = std::nullopt;

struct Boxes {
    bool tabs;
    bool separators;
};
constexpr Boxes noBox{false, false};
constexpr Boxes tabsBox{true, false};
constexpr Boxes separatorsBox{false, true};
constexpr Boxes bothBoxes{true, true};

struct LineCase {
    std::string line;
    std::vector<Boxes> boxes;
    Outcome none, twoColumns, secondOfThree, thirdOfThree;
};

// Scans the lines "1 1" and `line` (so the line under test is never taken as a count line) and
// gives the second point, or nothing when the scan was refused.
Outcome readSecondLine(TestApp& t, const std::string& line, Boxes boxes, Mode mode)
{
    selectMode(t.controls, mode);
    t.controls.CheckBox4.checked = boxes.tabs;
    t.controls.CheckBox5.checked = boxes.separators;
    t.controls.Memo1.lines.clear();
    t.controls.Memo1.lines.setLine(0, "1 1");
    t.controls.Memo1.lines.setLine(1, line);
    t.state.PointCount = -1;
    try {
        if (!ScanTable(*t.app))
            ADD_FAILURE() << "table taken as too long";
    } catch (const ConversionError&) {
        EXPECT_EQ(t.state.PointCount, -1);
        return refused;
    }
    EXPECT_EQ(t.state.PointCount, 2);
    return Point{t.state.SpectrumX[1], t.state.SpectrumY[1]};
}

TEST(ScanTable, EveryLineFormInEveryColumnModeAndBox)
{
    const Outcome p10_15 = Point{10, 1.5L};
    const Outcome p105_125 = Point{10.5L, 1.25L};
    const std::vector<Boxes> anyBox{noBox, tabsBox, separatorsBox, bothBoxes};
    const std::vector<Boxes> withoutSeparators{noBox, tabsBox};
    const std::vector<Boxes> withSeparators{separatorsBox, bothBoxes};
    const std::vector<Boxes> withoutTabs{noBox, separatorsBox};
    const std::vector<Boxes> withTabs{tabsBox, bothBoxes};

    const LineCase cases[] = {
        {"10 1.5", anyBox, p10_15, p10_15, p10_15, p10_15},
        {"10.5 1.25", anyBox, p105_125, p105_125, p105_125, p105_125},
        {"10,5 1,25", withoutSeparators, p105_125, p105_125, p105_125, p105_125},
        {"10.5 1,25", withoutSeparators, p105_125, p105_125, p105_125, p105_125},
        // With ", to blanks" the decimal commas split the fields: "10 5 1 25".
        {"10,5 1,25", withSeparators, refused, refused, refused, Point{10, 5}},
        {"10.5,1.25", withSeparators, p105_125, p105_125, p105_125, p105_125},
        {"10.5,1.25", withoutSeparators, refused, refused, refused, refused},
        {"10.5;1.25", withSeparators, p105_125, p105_125, p105_125, p105_125},
        {"10.5;1.25", withoutSeparators, refused, refused, refused, refused},
        {"10.5\t1.25", withTabs, p105_125, p105_125, p105_125, p105_125},
        {"10.5\t1.25", withoutTabs, refused, refused, refused, refused},
        {"  10    1.5  ", anyBox, p10_15, p10_15, p10_15, p10_15},
        {"\t10 1.5\t", anyBox, p10_15, p10_15, p10_15, p10_15},
        {"7", anyBox, Point{7, 7}, Point{7, 7}, Point{7, 7}, Point{7, 7}},
        {"10 1.5 0.02", anyBox, refused, refused, Point{10, 0.02L}, p10_15},
        {"10 1.5 0.02 9", anyBox, refused, refused, refused, p10_15},
        {"+1e3 -2.5E-2", anyBox, Point{1000, -0.025L}, Point{1000, -0.025L}, Point{1000, -0.025L},
         Point{1000, -0.025L}},
        {"", anyBox, refused, refused, refused, refused},
        {"   ", anyBox, refused, refused, refused, refused},
        {"abc 1.5", anyBox, refused, refused, refused, refused},
        {"10 1.5x", anyBox, refused, refused, refused, refused},
        {"1.5.2 3", anyBox, refused, refused, refused, refused},
        {"10 1,5.2", withoutSeparators, refused, refused, refused, refused},
        {"10 1,5.2", withSeparators, refused, refused, Point{10, 5.2L}, Point{10, 1}},
    };
    const Mode modes[] = {Mode::None, Mode::TwoColumns, Mode::SecondOfThree, Mode::ThirdOfThree};
    TestApp t;
    for (const LineCase& c : cases) {
        const Outcome expected[] = {c.none, c.twoColumns, c.secondOfThree, c.thirdOfThree};
        for (const Boxes boxes : c.boxes) {
            for (int m = 0; m < 4; ++m) {
                const Outcome got = readSecondLine(t, c.line, boxes, modes[m]);
                SCOPED_TRACE("line \"" + c.line + "\", tabs " + std::to_string(boxes.tabs) + ", separators " +
                             std::to_string(boxes.separators) + ", " + modeName(modes[m]));
                ASSERT_EQ(got.has_value(), expected[m].has_value());
                if (got) {
                    EXPECT_EQ(got->x, expected[m]->x);
                    EXPECT_EQ(got->y, expected[m]->y);
                }
            }
        }
    }
}

// A table scanned earlier, so that tests can see what a later scan keeps.
void scanFivePoints(TestApp& t)
{
    t.setTable(t.controls.Memo1, "1 10\r\n2 20\r\n3 30\r\n4 40\r\n5 50\r\n");
    ASSERT_TRUE(ScanTable(*t.app));
    ASSERT_EQ(t.state.PointCount, 5);
    ASSERT_EQ(t.controls.StaticText5.text, "6");
}

TEST(ScanTable, TwoLinesWithoutCountLine)
{
    TestApp t;
    t.setTable(t.controls.Memo1, "10 1.5\r\n11 1.6\r\n");
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, 2);
    EXPECT_EQ(t.state.TableCount, 2);
    EXPECT_EQ(t.controls.StaticText5.text, "3");
    EXPECT_EQ(t.state.SpectrumX[0], 10);
    EXPECT_EQ(t.state.SpectrumY[0], 1.5L);
    EXPECT_EQ(t.state.SpectrumX[1], 11);
    EXPECT_EQ(t.state.SpectrumY[1], 1.6L);
    EXPECT_EQ(t.app->DecimalSeparator, ',');
    EXPECT_EQ(t.state.LineText, "11 1.6") << "the work strings hold the last line";
    EXPECT_EQ(t.state.XText, "11");
    EXPECT_EQ(t.state.YText, "1,6");
}

TEST(ScanTable, CountLineGivesOneFewerPointsThanItsNumber)
{
    struct Case {
        std::string text;
        int points;
    };
    const Case cases[] = {
        {"3\r\n10 1\r\n11 2\r\n12 3\r\n", 2}, // the third data line is not read
        {" +3 \r\n10 1\r\n11 2\r\n", 2},      // blanks around it and a sign are allowed
        {"1\r\n10 1\r\n11 2\r\n", 0},         {"0\r\n10 1\r\n", 0}, {"-4\r\n10 1\r\n", 0}, {"1\r\n", 0},
    };
    for (const Case& c : cases) {
        TestApp t;
        scanFivePoints(t);
        t.setTable(t.controls.Memo1, c.text);
        ASSERT_TRUE(ScanTable(*t.app)) << c.text;
        EXPECT_EQ(t.state.PointCount, c.points) << c.text;
        EXPECT_EQ(t.state.TableCount, c.points) << c.text;
        EXPECT_EQ(t.controls.StaticText5.text, std::to_string(c.points + 1)) << c.text;
        for (int i = 0; i < c.points; ++i)
            EXPECT_EQ(t.state.SpectrumX[i], 10 + i) << c.text;
        for (int i = c.points; i < 5; ++i)
            EXPECT_EQ(t.state.SpectrumX[i], 1 + i) << "older entry kept, " << c.text;
    }
}

TEST(ScanTable, LaterScanKeepsOlderEntriesBeyondItsCount)
{
    TestApp t;
    scanFivePoints(t);
    t.setTable(t.controls.Memo1, "7 70\r\n8 80\r\n");
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, 2);
    const Extended x[] = {7, 8, 3, 4, 5};
    const Extended y[] = {70, 80, 30, 40, 50};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t.state.SpectrumX[i], x[i]) << i;
        EXPECT_EQ(t.state.SpectrumY[i], y[i]) << i;
    }
}

TEST(ScanTable, ConversionErrorKeepsCountersButStoresEarlierPointsAndTheFailingX)
{
    TestApp t;
    scanFivePoints(t);
    t.setTable(t.controls.Memo1, "7 70\r\n8 x\r\n9 90\r\n");
    t.run([](App& app) { static_cast<void>(ScanTable(app)); });
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: 'x' is not a valid floating point value"});
    EXPECT_EQ(t.state.PointCount, 5);
    EXPECT_EQ(t.state.TableCount, 5);
    EXPECT_EQ(t.controls.StaticText5.text, "6");
    EXPECT_EQ(t.state.SpectrumX[0], 7);
    EXPECT_EQ(t.state.SpectrumY[0], 70);
    EXPECT_EQ(t.state.SpectrumX[1], 8) << "the X of the failing line is stored";
    EXPECT_EQ(t.state.SpectrumY[1], 20) << "its Y is not";
    EXPECT_EQ(t.state.SpectrumX[2], 3) << "nothing after the failing line";
}

TEST(ScanTable, CountLineAboveTheLinesFailsAtTheFirstMissingLine)
{
    TestApp t;
    scanFivePoints(t);
    t.setTable(t.controls.Memo1, "5\r\n7 70\r\n8 80\r\n");
    EXPECT_THROW(static_cast<void>(ScanTable(*t.app)), ConversionError);
    EXPECT_EQ(t.state.PointCount, 5);
    EXPECT_EQ(t.controls.StaticText5.text, "6");
    EXPECT_EQ(t.state.SpectrumX[0], 7);
    EXPECT_EQ(t.state.SpectrumX[1], 8);
    EXPECT_EQ(t.state.SpectrumX[2], 3) << "the missing line stored nothing";
}

TEST(ScanTable, FirstLineThatIsNoIntegerIsRefusedBeforeAnyPoint)
{
    for (const bool tabs : {false, true}) {
        for (const std::string first : {"10\t15", "word", "3x"}) {
            TestApp t;
            scanFivePoints(t);
            t.controls.CheckBox4.checked = tabs;
            t.setTable(t.controls.Memo1, first + "\r\n7 70\r\n");
            EXPECT_THROW(static_cast<void>(ScanTable(*t.app)), ConversionError) << first;
            EXPECT_EQ(t.state.SpectrumX[0], 1) << first << ": nothing stored";
            EXPECT_EQ(t.state.PointCount, 5);
            EXPECT_EQ(t.controls.StaticText5.text, "6");
        }
    }
}

TEST(ScanTable, EmptyTableGivesNoPointAndLeavesTheSeparator)
{
    TestApp t; // separator '.'
    t.controls.Memo1.lines.clear();
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, 0);
    EXPECT_EQ(t.state.TableCount, 0);
    EXPECT_EQ(t.controls.StaticText5.text, "1");
    EXPECT_EQ(t.app->DecimalSeparator, '.');

    t.setTable(t.controls.Memo1, "0\r\n");
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.app->DecimalSeparator, '.') << "a count line alone converts no number text";
}

TEST(ScanTable, PlotThisDataReadsOnlyTheLeftTable)
{
    TestApp t;
    t.setTable(t.controls.Memo1, "2\r\n1 1\r\n2 2\r\n3 3\r\n");
    t.setTable(t.controls.Memo2, "40 4.5\r\n41 4.25\r\n42 4\r\n");
    t.controls.CheckBox11.checked = true;
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, 3) << "the left table's first line is data, its line count rules";
    EXPECT_EQ(t.controls.StaticText5.text, "4");
    EXPECT_EQ(t.state.SpectrumX[0], 40);
    EXPECT_EQ(t.state.SpectrumY[2], 4);

    t.controls.CheckBox11.checked = false;
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, 1);
    EXPECT_EQ(t.state.SpectrumX[0], 1);
}

std::string numberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i) + " 0.5\r\n";
    return text;
}

TEST(ScanTable, ThirtyThousandLinesAreRead)
{
    TestApp t;
    t.setTable(t.controls.Memo1, numberedLines(MaxPoints));
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, MaxPoints);
    EXPECT_EQ(t.state.SpectrumX[MaxPoints - 1], MaxPoints - 1);
    EXPECT_EQ(t.controls.StaticText5.text, "30001");
    EXPECT_TRUE(t.takeSeen().empty());
}

TEST(ScanTable, TooLongTableStoresNothingAndKeepsTheWindowOpen)
{
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"30001 lines", numberedLines(MaxPoints + 1)},
        {"count line 30001", "30001\r\n1 1\r\n2 2\r\n"},
    };
    for (const Case& c : cases) {
        TestApp t;
        scanFivePoints(t);
        t.setTable(t.controls.Memo1, c.text);
        bool completed = true;
        runCommand(*t.app, [&completed](App& app) { completed = ScanTable(app); });
        EXPECT_FALSE(completed) << c.what;
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: Too long file"}) << c.what;
        EXPECT_FALSE(t.ui.closeRequested()) << c.what;
        EXPECT_EQ(t.state.PointCount, 5) << c.what;
        EXPECT_EQ(t.state.TableCount, 5) << c.what;
        EXPECT_EQ(t.controls.StaticText5.text, "6") << c.what;
        EXPECT_EQ(t.state.SpectrumX[0], 1) << c.what << ": no point stored";
    }
}

TEST(ScanTable, CountLineOfThirtyThousandReadsTheLinesThatFit)
{
    TestApp t;
    t.setTable(t.controls.Memo1, "30000\r\n" + numberedLines(MaxPoints));
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, MaxPoints - 1);
}

TEST(ScanTable, TableWrittenByTheProgramReadsBackWhole)
{
    TestApp t;
    t.setTable(t.controls.Memo2, "4861.3    0.98\r\n4861.5    1.02\r\n");
    t.controls.CheckBox11.checked = true;
    ASSERT_TRUE(ScanTable(*t.app));
    EXPECT_EQ(t.state.PointCount, 2);
    EXPECT_EQ(t.state.SpectrumX[0], 4861.3L);
    EXPECT_EQ(t.state.SpectrumY[1], 1.02L);
}

} // namespace
