#include "continuum/flat_continuum.h"

#include "continuum/continuum_fit.h"
#include "continuum/point_picking.h"
#include "continuum/spectrum_fixture.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const AnFile = "C://VELK//KOLDAR//an.txt";

TEST(FlatContinuum, LevelOfZeroOrBelowIsRefusedInBothModes)
{
    for (const Extended level : {0.0L, -0.0L, -2.0L}) {
        for (const bool subtract : {false, true}) {
            TestApp t;
            if (subtract)
                t.controls.selectRadio(t.controls.RadioButton1);
            t.state.LastPickY = level;
            setSpectrum(t.state, {{1, 3}});
            markOutputs(t.state, -9);
            t.run(Button21Click);
            EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: INCORECT CONTINUM"}) << level;
            EXPECT_EQ(t.state.ResultY[0], -9);
            EXPECT_EQ(t.state.SecondCount, 0);
            EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "<missing>");
            EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");
        }
    }
}

TEST(FlatContinuum, DividesOrSubtractsTheLevel)
{
    struct Case {
        bool subtract;
        std::string file;
    };
    for (const auto& c : {Case{false, "10    1.5\r\n20    0.5\r\n"}, Case{true, "10    1\r\n20    -1\r\n"}}) {
        TestApp t(TempDrive::Layout::Installed, ',');
        if (c.subtract)
            t.controls.selectRadio(t.controls.RadioButton1);
        setSpectrum(t.state, {{10, 3}, {20, 1}});
        setPicks(t.state, {{1, 5}, {2, 6}});
        t.state.LastPickY = 2; // the level, not the last held pick
        markOutputs(t.state, -9);
        t.run(Button21Click);
        EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: LOADED LEFT TABLE"});
        EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), c.file);
        EXPECT_EQ(t.controls.Memo2.lines.text(), c.file);
        // The second plot is a horizontal line at the level over the spectrum's X values.
        EXPECT_EQ(t.state.SecondCount, 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(t.state.SecondX[i], t.state.SpectrumX[i]);
            EXPECT_EQ(t.state.SecondY[i], 2);
            EXPECT_EQ(t.state.ResultX[i], t.state.SpectrumX[i]);
        }
        EXPECT_EQ(t.state.SecondY[2], -9);
        // Neither the picked points nor the fit are used or changed.
        EXPECT_EQ(t.state.PickCount, 2);
        EXPECT_EQ(t.state.FitSlope, 0);
    }
}

TEST(FlatContinuum, EmptySpectrumWritesAnEmptyFile)
{
    TestApp t;
    t.state.LastPickY = 1;
    t.run(Button21Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message: LOADED LEFT TABLE"});
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "");
    EXPECT_EQ(t.controls.Memo2.lines.count(), 0);
}

TEST(FlatContinuum, WriteFailureKeepsTheResults)
{
    TestApp t(TempDrive::Layout::Empty);
    t.state.LastPickY = 4;
    setSpectrum(t.state, {{1, 2}});
    t.run(Button21Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"message:  ERROR ON WRITING c:velk\\koldar\\an.txt"});
    EXPECT_EQ(t.state.ResultY[0], 0.5);
    EXPECT_EQ(t.state.SecondCount, 1);
    EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");
}

TEST(FlatContinuum, TinyLevelOverflowingTheResultEndsWithoutAFile)
{
    TestApp t;
    t.state.LastPickY = 1e-40L;
    setSpectrum(t.state, {{1, 1e4900L}});
    t.run(Button21Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: Floating point overflow"});
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "<missing>");
}

TEST(FlatContinuum, LevelComesFromTheLatestStoredPick)
{
    TestApp t;
    t.state.YStart = 10;
    t.state.YAxisEnd = 20;
    t.state.YAxisEndPixel = 30;
    t.state.XAxisEndPixel = 750;
    setSpectrum(t.state, {{1, 30}});
    MouseD(*t.app, 100, 30); // Y = 20
    Button18Click(*t.app);   // "new" keeps the level
    t.run(Button21Click);
    EXPECT_EQ(readFileBytes(t.drive.native(AnFile)), "1    1.5\r\n");

    // A pick refused at the limit leaves the level alone.
    t.state.PickCount = 99;
    MouseD(*t.app, 100, 480);
    EXPECT_EQ(t.state.LastPickY, 20);
}

} // namespace
