#include "continuum/continuum_fit.h"

#include "continuum/spectrum_fixture.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const AnFile = "C://VELK//KOLDAR//an.txt";

TEST(ContinuumFit, FewerThanTwoPointsIsRefused)
{
    for (int picks = 0; picks < 2; ++picks) {
        TestApp t;
        setSpectrum(t.state, {{1, 2}});
        setPicks(t.state, {{1, 1}});
        t.state.PickCount = picks;
        markOutputs(t.state, -9);
        t.run(Button15Click);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: ONLY ONE POINT"}) << picks;
        EXPECT_EQ(t.state.SecondCount, 0);
        EXPECT_EQ(t.state.ResultY[0], -9);
        EXPECT_EQ(t.state.FitSlope, 0);
        EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "<missing>");
        EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");
    }
}

TEST(ContinuumFit, SubtractsOnlyWhenAbstractionIsSelected)
{
    // Picks on the line c = x / 1000 + 1; spectrum values 6 and 9 at x 2000 and 4000 (c = 3 and 5).
    struct Case {
        const char* name;
        Control Controls::*selected; // nullptr: none of the group
        bool subtract;
        std::string file;
    };
    const Case cases[] = {
        {"abstraction", &Controls::RadioButton1, true, "2000    3\r\n4000    4\r\n"},
        {"div", &Controls::RadioButton2, false, "2000    2\r\n4000    1.8\r\n"},
        {"an open-file method", &Controls::RadioButton5, false, "2000    2\r\n4000    1.8\r\n"},
        {"none", nullptr, false, "2000    2\r\n4000    1.8\r\n"},
    };
    for (const auto& c : cases) {
        TestApp t;
        if (c.selected)
            t.controls.selectRadio(t.controls.*c.selected);
        setSpectrum(t.state, {{2000, 6}, {4000, 9}});
        setPicks(t.state, {{1000, 2}, {3000, 4}});
        markOutputs(t.state, -9);
        t.run(Button15Click);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: LOADED LEFT TABLE"}) << c.name;
        EXPECT_EQ(t.state.FitIntercept, 1) << c.name;
        EXPECT_EQ(t.state.FitSlope, 4000.0L / 4000000) << c.name;
        EXPECT_EQ(t.state.SecondCount, 2) << c.name;
        for (int i = 0; i < 2; ++i) {
            const Extended x = t.state.SpectrumX[i];
            const Extended y = t.state.SpectrumY[i];
            const Extended continuum = t.state.FitSlope * x + t.state.FitIntercept;
            EXPECT_EQ(t.state.SecondX[i], x) << c.name;
            EXPECT_EQ(t.state.SecondY[i], continuum) << c.name;
            EXPECT_EQ(t.state.ResultX[i], x) << c.name;
            EXPECT_EQ(t.state.ResultY[i], c.subtract ? y - continuum : y / continuum) << c.name;
        }
        EXPECT_EQ(t.state.SecondX[2], -9) << "slots past the count stay";
        EXPECT_EQ(t.state.ResultY[2], -9) << "slots past the count stay";
        EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), c.file) << c.name;
        EXPECT_EQ(t.controls.Memo2.lines.text(), c.file) << c.name;
    }
}

TEST(ContinuumFit, TwoPickedPointsGiveTheLineThroughBoth)
{
    TestApp t;
    t.controls.selectRadio(t.controls.RadioButton1);
    const Extended x0 = 5504.28564453125L;
    const Extended y0 = static_cast<float>(448.0L / 450);
    const Extended x1 = 4213.5L;
    const Extended y1 = 1.25L;
    setPicks(t.state, {{x0, y0}, {x1, y1}});
    setSpectrum(t.state, {{x0, y0}, {x1, y1}});
    t.run(Button15Click);
    // Subtracting the continuum at the picked points leaves what the single sums lose.
    EXPECT_NEAR(static_cast<double>(t.state.ResultY[0]), 0, 1e-3);
    EXPECT_NEAR(static_cast<double>(t.state.ResultY[1]), 0, 1e-3);
    EXPECT_NEAR(static_cast<double>(t.state.FitSlope), static_cast<double>((y1 - y0) / (x1 - x0)), 1e-7);
}

TEST(ContinuumFit, FileUsesDotsEvenUnderCommaAndHasOneLinePerPoint)
{
    TestApp t(TempDrive::Layout::Installed, ',');
    t.controls.selectRadio(t.controls.RadioButton1);
    setPicks(t.state, {{0, 0}, {1, 0}}); // the continuum is 0: results are the spectrum
    setSpectrum(t.state, {{4000, 1.5}, {-2.5e-7L, 1e20L}, {0.125, -3}});
    t.run(Button15Click);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "4000    1.5\r\n-2.5E-7    1E20\r\n0.125    -3\r\n");
    EXPECT_EQ(t.controls.Memo2.lines.count(), 3);
    EXPECT_EQ(t.controls.Memo2.lines.line(1), "-2.5E-7    1E20");
}

TEST(ContinuumFit, EmptySpectrumWritesAnEmptyFileAndEmptiesTheLeftTable)
{
    TestApp t;
    t.state.SecondCount = 5;
    setPicks(t.state, {{1, 1}, {2, 3}});
    t.run(Button15Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: LOADED LEFT TABLE"});
    EXPECT_EQ(t.state.FitIntercept, -1);
    EXPECT_EQ(t.state.FitSlope, 2);
    EXPECT_EQ(t.state.SecondCount, 0);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "");
    EXPECT_EQ(t.controls.Memo2.lines.count(), 0);
}

TEST(ContinuumFit, WriteFailureKeepsTheResultsButNotTheFileOrLeftTable)
{
    TestApp t(TempDrive::Layout::Empty);
    setPicks(t.state, {{0, 1}, {10, 1}});
    setSpectrum(t.state, {{5, 4}});
    t.run(Button15Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message:  ERROR ON WRITING c:velk\\koldar\\an.txt"});
    EXPECT_EQ(t.state.FitIntercept, 1);
    EXPECT_EQ(t.state.SecondCount, 1);
    EXPECT_EQ(t.state.SecondY[0], 1);
    EXPECT_EQ(t.state.ResultY[0], 4);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "<missing>");
    EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");
}

TEST(ContinuumFit, ReplacesAnExistingFileWhole)
{
    TestApp t;
    writeFileBytes(t.drive.native(AnFile), "old line one\r\nold line two\r\nold line three\r\n");
    setPicks(t.state, {{0, 1}, {10, 1}});
    setSpectrum(t.state, {{5, 4}});
    t.run(Button15Click);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "5    4\r\n");
}

TEST(ContinuumFit, PointsInOneColumnEndWithADivisionByZeroAndChangeNothing)
{
    TestApp t;
    setPicks(t.state, {{3, 1}, {3, 2}});
    setSpectrum(t.state, {{5, 4}});
    t.state.FitIntercept = 7;
    t.state.FitSlope = 8;
    markOutputs(t.state, -9);
    t.run(Button15Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point division by zero"});
    EXPECT_EQ(t.state.FitIntercept, 7);
    EXPECT_EQ(t.state.FitSlope, 8);
    EXPECT_EQ(t.state.SecondX[0], -9);
    EXPECT_EQ(t.state.ResultY[0], -9);
    EXPECT_EQ(t.state.SecondCount, 0);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "<missing>");
    EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");
}

TEST(ContinuumFit, ZeroContinuumWhenDividingEndsAtThatPoint)
{
    // c = 2 - x is 0 at x = 2.
    TestApp t;
    t.state.SecondCount = 11;
    setPicks(t.state, {{1, 1}, {3, -1}});
    setSpectrum(t.state, {{1, 5}, {2, 6}, {3, 7}});
    markOutputs(t.state, -9);
    t.run(Button15Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point division by zero"});
    EXPECT_EQ(t.state.FitIntercept, 2);
    EXPECT_EQ(t.state.FitSlope, -1);
    EXPECT_EQ(t.state.ResultY[0], 5);
    EXPECT_EQ(t.state.SecondX[1], 2);
    EXPECT_EQ(t.state.SecondY[1], 0);
    EXPECT_EQ(t.state.ResultX[1], 2);
    EXPECT_EQ(t.state.ResultY[1], -9);
    EXPECT_EQ(t.state.SecondX[2], -9);
    EXPECT_EQ(t.state.SecondCount, 11);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "<missing>");
    EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");

    // Subtracting from the same continuum is fine.
    t.controls.selectRadio(t.controls.RadioButton1);
    t.run(Button15Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: LOADED LEFT TABLE"});
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "1    4\r\n2    6\r\n3    8\r\n");
}

TEST(ContinuumFit, OverflowingResultEndsTheCommandWithoutAFile)
{
    TestApp t;
    setPicks(t.state, {{0, 1e-30F}, {1, 1e-30F}});
    setSpectrum(t.state, {{1, 1e4931L}});
    t.run(Button15Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point overflow"});
    EXPECT_EQ(t.state.SecondCount, 0);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "<missing>");
}

TEST(ContinuumFit, RepeatsWithTheSamePointsAndNewForgetsThem)
{
    TestApp t;
    setPicks(t.state, {{1, 1}, {2, 3}});
    setSpectrum(t.state, {{4, 14}});
    t.run(Button15Click);
    const std::string first = readFileBytes(t.drive.native(AnFile));
    EXPECT_EQ(first, "4    2\r\n");
    t.run(Button15Click);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), first);
    EXPECT_EQ(t.state.PickCount, 2);
    t.takeSeen();

    t.controls.Memo2.lines.setText("kept");
    Button18Click(*t.app);
    EXPECT_EQ(t.state.PickCount, 0);
    EXPECT_EQ(t.controls.Label13.text, "k fit=0");
    EXPECT_EQ(t.state.PickX[1], 2);
    EXPECT_EQ(t.state.LastPickY, 3);
    EXPECT_EQ(t.state.FitSlope, 2);
    EXPECT_EQ(t.state.SecondCount, 1);
    EXPECT_EQ(t.state.ResultY[0], 2);
    EXPECT_EQ(t.controls.Memo2.lines.text(), "kept");
    EXPECT_TRUE(t.takeSeen().empty());

    t.run(Button15Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: ONLY ONE POINT"});
}

} // namespace
