#include "exchange/calibration_handoff.h"
#include "platform/bitmap_file.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

namespace {

using Seen = std::vector<std::string>;

const char* const Question = "Is calibrated spectrum data in LEFT table";

std::string jobFile(const std::string& x0, const std::string& x1, const std::string& y0, const std::string& y1)
{
    return "2 \r\nC:\\VELK\\xxxx.bmp  \r\n" + x0 + "\r\n" + x1 + "\r\n" + y0 + "\r\n" + y1 +
           "\r\n10 \r\n750 \r\n480 \r\n10 \r\n21";
}

struct JobCase {
    const char* name;
    char separator;
    Extended xStart, xEnd, yStart, yEnd;
    std::string expected;

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const JobCase& c, std::ostream* out) { *out << c.name; }
};

class JobFile : public testing::TestWithParam<JobCase> {};

TEST_P(JobFile, IsWrittenByteForByte)
{
    const JobCase& c = GetParam();
    TestApp t(TempDrive::Layout::Installed, c.separator);
    t.state.XStart = c.xStart;
    t.state.XAxisEnd = c.xEnd;
    t.state.YStart = c.yStart;
    t.state.YAxisEnd = c.yEnd;
    t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
    t.run(Button24Click);
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//CCCC.TXT")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobFile,
    testing::Values(
        // X keeps the separator in force, Y always carries '.'.
        JobCase{"WorkedExample", ',', 12.5L, 37.5L, 0.5L, 1.5L, jobFile("12,5", "37,5", "0.5", "1.5")},
        JobCase{"QuarterWithComma", ',', 0.25L, 1, 0.25L, 1, jobFile("0,25", "1", "0.25", "1")},
        JobCase{"PointSeparator", '.', 12.5L, 37.5L, 0.5L, 1.5L, jobFile("12.5", "37.5", "0.5", "1.5")},
        JobCase{"WholeValues", ',', 4000, 5000, 0, 40000, jobFile("4000", "5000", "0", "40000")},
        JobCase{"BeforeAnyPlot", ',', 0, 0, 0, 0, jobFile("0", "0", "0", "0")},
        JobCase{"NegativeAndExponent", ',', -2.5L, 1e20L, -2.5e-7L, 0.71L,
                jobFile("-2,5", "1E20", "-2.5E-7", "0.71")}),
    [](const testing::TestParamInfo<JobCase>& info) { return std::string(info.param.name); });

struct AnswerCase {
    ScriptedAnswer::Kind answer;
    const char* word;
    const char* table; // what F.txt then holds
};

TEST(GoOn, YesSavesTheLeftTableNoTheRightOneThenStartsTheCalibratorAndCloses)
{
    for (const AnswerCase& c : {AnswerCase{ScriptedAnswer::Kind::Yes, "yes", "left\r\n\r\n"},
                                AnswerCase{ScriptedAnswer::Kind::No, "no", "right"}}) {
        TestApp t;
        t.setTable(t.controls.Memo2, "left\r\n\r\n");
        t.setTable(t.controls.Memo1, "right");
        t.ui.queue({c.answer, ""});
        t.run(Button24Click);
        EXPECT_EQ(t.takeSeen(), Seen({std::string("confirm: ") + Question + " -> " + c.word,
                                      "launch: C://VELK//Zantrel.exe xsx [show 1]", "close"}));
        EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//F.txt")), c.table);
        EXPECT_TRUE(t.ui.closeRequested());
    }
}

TEST(GoOn, CancelKeepsTheBitmapAndJobFileAndLeavesFTxtAndTheWindow)
{
    TestApp t;
    writeFileBytes(t.drive.native("C://VELK//F.txt"), "older");
    t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
    t.run(Button24Click);
    EXPECT_EQ(t.takeSeen(), Seen({std::string("confirm: ") + Question + " -> cancel"}));
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//F.txt")), "older");
    EXPECT_NE(readFileBytes(t.drive.native("C://VELK//xxxx.bmp")), "<missing>");
    EXPECT_NE(readFileBytes(t.drive.native("C://VELK//CCCC.TXT")), "<missing>");
    EXPECT_FALSE(t.ui.closeRequested());
}

TEST(GoOn, TheBitmapIsThePictureAsItIsWithWhateverWasDrawnOnIt)
{
    TestApp t;
    Picture& picture = t.controls.Image1.picture;
    picture.setPenColour(colours::Blue);
    picture.moveTo(400, 246);
    picture.lineTo(400, 266);
    picture.moveTo(390, 256);
    picture.lineTo(410, 256);
    picture.textOut(250, 20, "TITLE");
    ASSERT_NE(picture.raster(), Raster::blank16Colour());

    t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
    t.run(Button24Click);
    EXPECT_EQ(decodeBitmap(readFileBytes(t.drive.native("C://VELK//xxxx.bmp"))), picture.raster());
}

TEST(GoOn, BeforeAnyPlotTheBitmapIsTheWhiteStartPicture)
{
    TestApp t;
    t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
    t.run(Button24Click);
    EXPECT_EQ(decodeBitmap(readFileBytes(t.drive.native("C://VELK//xxxx.bmp"))), Raster::blank16Colour());
}

TEST(GoOn, AJobFileThatCannotBeWrittenSaysSoAndStops)
{
    TestApp t;
    std::filesystem::create_directory(t.drive.native("C://VELK//CCCC.TXT"));
    t.run(Button24Click);
    EXPECT_EQ(t.takeSeen(), Seen({"message: Error opening file"})) << "no question, no start";
    EXPECT_NE(readFileBytes(t.drive.native("C://VELK//xxxx.bmp")), "<missing>") << "the bitmap stays written";
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//F.txt")), "<missing>");
    EXPECT_FALSE(t.ui.closeRequested());
}

TEST(GoOn, WithoutTheWorkingFolderNothingIsWritten)
{
    TestApp t(TempDrive::Layout::Empty);
    t.run(Button24Click);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
    EXPECT_NE(seen[0].find("C://VELK//xxxx.bmp"), std::string::npos) << seen[0];
    EXPECT_TRUE(std::filesystem::is_empty(t.drive.root()));
    EXPECT_FALSE(t.ui.closeRequested());
}

TEST(GoOn, ATableThatCannotBeSavedLeavesTheCalibratorUnstartedAndTheWindowOpen)
{
    TestApp t;
    std::filesystem::create_directory(t.drive.native("C://VELK//F.txt"));
    t.ui.queue({ScriptedAnswer::Kind::Yes, ""});
    t.run(Button24Click);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::string("confirm: ") + Question + " -> yes");
    EXPECT_EQ(seen[1].rfind("error: ", 0), 0u) << seen[1];
    EXPECT_NE(seen[1].find("C://VELK//F.txt"), std::string::npos) << seen[1];
    EXPECT_FALSE(t.ui.closeRequested());
}

} // namespace
