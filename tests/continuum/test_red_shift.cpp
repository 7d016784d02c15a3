#include "continuum/red_shift.h"

#include "continuum/spectrum_fixture.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const ShiftedFile = "C://VELK//KOLDAR//f_shifted.txt";

TEST(RedShift, WorkedExampleUsesTheSinglePrecisionRedshift)
{
    TestApp t;
    t.controls.Edit10.text = "0.1";
    setSpectrum(t.state, {{6563, 2.5}});
    t.run(Button23Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: LOADED LEFT TABLE"});
    EXPECT_EQ(t.app->DecimalSeparator, ',');
    EXPECT_EQ(t.state.XText, "0,1");
    EXPECT_EQ(t.controls.Edit10.text, "0,100000001490116");
    EXPECT_EQ(t.state.ResultX[0], 6563 / (1 + static_cast<Extended>(0.1F)));
    EXPECT_EQ(t.state.ResultY[0], 2.5);
    EXPECT_EQ(readFileBytes(t.drive.native(ShiftedFile)), "5966.3636282813    2.5\r\n");
    EXPECT_EQ(t.controls.Memo2.lines.text(), "5966.3636282813    2.5\r\n");

    // The box now holds the single value; pressing again gives the same result, not a compounded one.
    t.run(Button23Click);
    EXPECT_EQ(t.controls.Edit10.text, "0,100000001490116");
    EXPECT_EQ(readFileBytes(t.drive.native(ShiftedFile)), "5966.3636282813    2.5\r\n");
}

TEST(RedShift, ShiftsEveryWavelength)
{
    struct Case {
        const char* typed;
        const char* shown;
        std::string file;
    };
    const Case cases[] = {
        {"0", "0", "4000    1\r\n5000.5    -2\r\n"},
        {"1", "1", "2000    1\r\n2500.25    -2\r\n"},
        {"0.05", "0,0500000007450581", "3809.52380682065    1\r\n4762.38094900167    -2\r\n"},
        {"0,05", "0,0500000007450581", "3809.52380682065    1\r\n4762.38094900167    -2\r\n"},
        {"-0.5", "-0,5", "8000    1\r\n10001    -2\r\n"}, // a blueshift makes X larger
    };
    for (const auto& c : cases) {
        TestApp t;
        t.controls.Edit10.text = c.typed;
        setSpectrum(t.state, {{4000, 1}, {5000.5, -2}});
        t.run(Button23Click);
        EXPECT_EQ(t.controls.Edit10.text, c.shown) << c.typed;
        EXPECT_EQ(readFileBytes(t.drive.native(ShiftedFile)), c.file) << c.typed;
        EXPECT_EQ(t.controls.Memo2.lines.text(), c.file) << c.typed;
    }
}

TEST(RedShift, LeavesTheSecondPlotAndFitAlone)
{
    TestApp t;
    t.controls.Edit10.text = "1";
    setSpectrum(t.state, {{4, 1}, {6, 1}});
    markOutputs(t.state, -9);
    t.state.SecondCount = 7;
    t.run(Button23Click);
    EXPECT_EQ(t.state.SecondCount, 7);
    EXPECT_EQ(t.state.SecondX[0], -9);
    EXPECT_EQ(t.state.SecondY[0], -9);
    EXPECT_EQ(t.state.ResultX[1], 3);
    EXPECT_EQ(t.state.ResultX[2], -9);
    EXPECT_EQ(t.state.SpectrumX[0], 4);
}

TEST(RedShift, EmptySpectrumWritesAnEmptyFileWhateverTheRedshift)
{
    for (const char* typed : {"0.3", "-1"}) {
        TestApp t;
        t.controls.Edit10.text = typed;
        t.run(Button23Click);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: LOADED LEFT TABLE"}) << typed;
        EXPECT_EQ(readFileBytes(t.drive.native(ShiftedFile)), "") << typed;
        EXPECT_EQ(t.controls.Memo2.lines.count(), 0) << typed;
    }
}

TEST(RedShift, TextThatIsNoNumberChangesOnlyTheSeparatorAndWorkString)
{
    for (const char* typed : {"Z for red shift", ""}) {
        TestApp t;
        t.controls.Edit10.text = typed;
        setSpectrum(t.state, {{4, 1}});
        markOutputs(t.state, -9);
        t.run(Button23Click);
        const auto seen = t.takeSeen();
        ASSERT_EQ(seen.size(), 1U) << typed;
        EXPECT_EQ(seen[0].rfind("error: ", 0), 0U) << seen[0];
        EXPECT_EQ(t.app->DecimalSeparator, ',');
        EXPECT_EQ(t.state.XText, typed);
        EXPECT_EQ(t.controls.Edit10.text, typed);
        EXPECT_EQ(t.state.ResultX[0], -9);
        EXPECT_EQ(readFileBytes(t.drive.native(ShiftedFile)), "<missing>");
    }
}

TEST(RedShift, RedshiftOfMinusOneEndsWithADivisionByZero)
{
    for (const char* typed : {"-1", "-0.99999999"}) {
        TestApp t;
        t.controls.Edit10.text = typed;
        setSpectrum(t.state, {{4, 1}, {5, 1}});
        markOutputs(t.state, -9);
        t.run(Button23Click);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point division by zero"}) << typed;
        EXPECT_EQ(t.controls.Edit10.text, "-1") << typed;
        EXPECT_EQ(t.state.ResultX[0], -9) << typed;
        EXPECT_EQ(t.state.ResultY[0], -9) << typed;
        EXPECT_EQ(readFileBytes(t.drive.native(ShiftedFile)), "<missing>") << typed;
        EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2") << typed;
    }
}

TEST(RedShift, RedshiftBeyondSingleRangeIsAnOverflow)
{
    TestApp t;
    t.controls.Edit10.text = "1e39";
    setSpectrum(t.state, {{4, 1}});
    t.run(Button23Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point overflow"});
    EXPECT_EQ(t.controls.Edit10.text, "1e39");
    EXPECT_EQ(readFileBytes(t.drive.native(ShiftedFile)), "<missing>");
}

TEST(RedShift, WriteFailureKeepsTheResults)
{
    TestApp t(TempDrive::Layout::Empty);
    t.controls.Edit10.text = "1";
    setSpectrum(t.state, {{8, 1}});
    t.run(Button23Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message:  ERROR ON WRITING c:velk\\koldar\\f_shifted.txt"});
    EXPECT_EQ(t.state.ResultX[0], 4);
    EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");
}

} // namespace
