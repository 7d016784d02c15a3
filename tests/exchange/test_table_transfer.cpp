#include "app/startup.h"
#include "exchange/table_transfer.h"
#include "platform/raster.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Seen = std::vector<std::string>;

const char* const LeftLines = "4000 1.5\r\n\r\n4100 2\r\n"; // an empty line among the lines
const char* const RightLines = "6000 3\r\n6100 4";

bool pictureIsBlank(const TestApp& t)
{
    return t.controls.Image1.picture.raster() == Raster::blank16Colour();
}

TEST(TableArrows, LeftToRightAndBackGivesBothTablesTheLeftLines)
{
    TestApp t;
    t.setTable(t.controls.Memo2, LeftLines);
    t.setTable(t.controls.Memo1, RightLines);

    t.run(BitBtn1Click);
    EXPECT_EQ(t.takeSeen(), Seen({"message: FROM LEFT TO RIGHT"}));
    EXPECT_EQ(t.controls.Memo1.lines.text(), LeftLines);
    EXPECT_EQ(t.controls.Memo2.lines.text(), LeftLines) << "the sending table is unchanged";
    EXPECT_EQ(t.controls.Memo1.lines.count(), 3);
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//TEMP.txt")), LeftLines);

    t.setTable(t.controls.Memo2, "something else");
    t.run(BitBtn2Click);
    EXPECT_EQ(t.takeSeen(), Seen{}) << "the left arrow shows no message";
    EXPECT_EQ(t.controls.Memo2.lines.text(), LeftLines);
    EXPECT_EQ(t.controls.Memo1.lines.text(), LeftLines);
}

TEST(TableArrows, TransferReplacesEveryLineAndMakesBreaksCrLf)
{
    TestApp t;
    t.setTable(t.controls.Memo1, "1 2\n3 4\n5 6");
    t.setTable(t.controls.Memo2, "a\nb\nc\nd\ne\nf\n");
    t.run(BitBtn2Click);
    EXPECT_EQ(t.controls.Memo2.lines.lines(), (std::vector<std::string>{"1 2", "3 4", "5 6"}));
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//TEMP.txt")), "1 2\r\n3 4\r\n5 6");
}

TEST(TableArrows, AnEmptyTableMovedLeavesTheOtherSideEmpty)
{
    struct Case {
        void (*handler)(App&);
        MemoControl Controls::*from;
        MemoControl Controls::*to;
    };
    for (const Case& c : {Case{BitBtn1Click, &Controls::Memo2, &Controls::Memo1},
                          Case{BitBtn2Click, &Controls::Memo1, &Controls::Memo2}}) {
        TestApp t;
        (t.controls.*c.from).lines.clear();
        t.setTable(t.controls.*c.to, RightLines);
        t.run(c.handler);
        EXPECT_EQ((t.controls.*c.to).lines.count(), 0);
        EXPECT_EQ((t.controls.*c.to).lines.text(), "");
    }
}

TEST(TableArrows, UnwritableTransferFileChangesNeitherTable)
{
    TestApp t(TempDrive::Layout::Empty);
    t.setTable(t.controls.Memo2, LeftLines);
    t.setTable(t.controls.Memo1, RightLines);
    for (void (*handler)(App&) : {BitBtn1Click, BitBtn2Click}) {
        t.run(handler);
        const Seen seen = t.takeSeen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
        EXPECT_NE(seen[0].find("C://VELK//TEMP.txt"), std::string::npos) << seen[0];
        EXPECT_EQ(t.controls.Memo2.lines.text(), LeftLines);
        EXPECT_EQ(t.controls.Memo1.lines.text(), RightLines);
    }
}

TEST(SaveButtons, SaveTheirOwnTableWhereChosenOfferingTxtEveryTime)
{
    struct Case {
        void (*handler)(App&);
        const char* expected;
    };
    for (const Case& c : {Case{Button16Click, LeftLines}, Case{Button17Click, RightLines}}) {
        TestApp t;
        t.setTable(t.controls.Memo2, LeftLines);
        t.setTable(t.controls.Memo1, RightLines);
        const std::string first = (t.drive.root() / "first.txt").string();
        const std::string second = (t.drive.root() / "second.dat").string();
        t.ui.queue({ScriptedAnswer::Kind::Save, first});
        t.ui.queue({ScriptedAnswer::Kind::Save, second});
        t.run(c.handler);
        t.run(c.handler);
        EXPECT_EQ(t.takeSeen(), Seen({"save-dialog: [TEXT - TXT] [*.txt] -> " + first,
                                      "save-dialog: [TEXT - TXT] [*.txt] -> " + second}));
        EXPECT_EQ(readFileBytes(first), c.expected);
        EXPECT_EQ(readFileBytes(second), c.expected);
    }
}

TEST(SaveButtons, CancelWritesNothing)
{
    for (void (*handler)(App&) : {Button16Click, Button17Click}) {
        TestApp t;
        t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
        t.run(handler);
        EXPECT_EQ(t.takeSeen(), Seen({"save-dialog: [TEXT - TXT] [*.txt] -> cancel"}));
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::recursive_directory_iterator(t.drive.root()))
            ++files;
        EXPECT_EQ(files, 3u) << "only VELK, KOLDAR and the background";
    }
}

TEST(SaveButtons, UnwritableChoiceIsReported)
{
    TestApp t;
    t.ui.queue({ScriptedAnswer::Kind::Save, (t.drive.root() / "no such folder" / "x.txt").string()});
    t.run(Button17Click);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].rfind("error: ", 0), 0u) << seen[1];
}

TEST(CutAndLoad, CutSavesTheRightTableAndStartsTheCutter)
{
    TestApp t;
    t.setTable(t.controls.Memo1, RightLines);
    t.run(Button19Click);
    EXPECT_EQ(t.takeSeen(), Seen({"launch: C://VELK//KOLDAR//ORVENT [show 0]"}));
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F.txt")), RightLines);
}

TEST(CutAndLoad, CutterIsNotStartedWhenTheFileCannotBeWritten)
{
    TestApp t;
    std::filesystem::remove_all(t.drive.native("C://VELK//KOLDAR//"));
    t.run(Button19Click);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
}

TEST(CutAndLoad, LoadWhenTheCutterLeftTheFileAloneGivesTheRightTableAsCut)
{
    TestApp t;
    t.state.CalibratorMode = 1;
    t.setTable(t.controls.Memo1, RightLines);
    t.run(Button19Click);
    t.setTable(t.controls.Memo1, "edited afterwards");
    t.takeSeen();

    t.run(Button20Click);
    EXPECT_EQ(t.takeSeen(), Seen({"message: LOADED LEFT TABLE"}));
    EXPECT_EQ(t.controls.Memo2.lines.text(), RightLines);
    EXPECT_EQ(t.state.CalibratorMode, 0);
}

TEST(CutAndLoad, LoadTakesWhatTheCutterWroteWithCrLfBreaks)
{
    TestApp t;
    writeFileBytes(t.drive.native("C://VELK//KOLDAR//F.txt"), "4000 1\n4001 2\n");
    t.run(Button20Click);
    EXPECT_EQ(t.controls.Memo2.lines.text(), "4000 1\r\n4001 2\r\n");
}

TEST(CutAndLoad, LoadWithoutTheFileLeavesTheLeftTableAndShowsNoMessage)
{
    TestApp t;
    t.state.CalibratorMode = 1;
    t.setTable(t.controls.Memo2, LeftLines);
    t.run(Button20Click);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
    EXPECT_EQ(t.state.CalibratorMode, 0) << "the mode is cleared before the load";
    EXPECT_EQ(t.controls.Memo2.lines.text(), LeftLines);
}

/** Opens `table` from a file through File Open, as the user does before "load original". */
void openTable(TestApp& t, std::string_view table)
{
    const auto file = t.drive.root() / "opened.txt";
    writeFileBytes(file, table);
    t.ui.queue({ScriptedAnswer::Kind::Open, file.string()});
    t.run(FileOpen1Execute);
    t.takeSeen();
}

TEST(LoadOriginal, RestoresTheOpenedTableReadsAndPlotsIt)
{
    TestApp t;
    t.state.CalibratorMode = 1;
    openTable(t, "4000 1\r\n4100 2\r\n4200 1.5\r\n");
    t.setTable(t.controls.Memo1, "4000 9\r\n");
    ASSERT_TRUE(pictureIsBlank(t));

    t.run(Button22Click);
    EXPECT_EQ(t.takeSeen(), Seen{});
    EXPECT_EQ(t.controls.Memo1.lines.text(), "4000 1\r\n4100 2\r\n4200 1.5\r\n");
    EXPECT_EQ(t.state.CalibratorMode, 0);
    EXPECT_EQ(t.state.PointCount, 3);
    EXPECT_EQ(t.state.SpectrumY[1], 2.0L);
    EXPECT_TRUE(t.controls.Button10.visible) << "\"STORE\" is offered again";
    EXPECT_FALSE(pictureIsBlank(t)) << "the table is plotted";
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//C2.txt")), "<missing>")
        << "calibrator mode is off before the plot";
}

TEST(LoadOriginal, WithPlotThisDataTickedReadsTheLeftTable)
{
    TestApp t;
    openTable(t, "4000 1\r\n4100 2\r\n4200 1.5\r\n");
    t.setTable(t.controls.Memo1, "edited");
    t.setTable(t.controls.Memo2, "5000 7\r\n5100 8\r\n");
    t.controls.CheckBox11.checked = true;

    t.run(Button22Click);
    EXPECT_EQ(t.controls.Memo1.lines.text(), "4000 1\r\n4100 2\r\n4200 1.5\r\n");
    EXPECT_EQ(t.state.PointCount, 2);
    EXPECT_EQ(t.state.SpectrumX[0], 5000.0L);
    EXPECT_FALSE(pictureIsBlank(t));
}

TEST(LoadOriginal, WithoutTheFileChangesNothingButTheMode)
{
    TestApp t;
    t.state.CalibratorMode = 1;
    t.setTable(t.controls.Memo1, RightLines);
    t.controls.Button10.visible = true;
    t.run(Button22Click);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].find("C://VELK//KOLDAR//F0.txt"), std::string::npos) << seen[0];
    EXPECT_EQ(t.state.CalibratorMode, 0);
    EXPECT_EQ(t.controls.Memo1.lines.text(), RightLines);
    EXPECT_TRUE(t.controls.Button10.visible);
    EXPECT_EQ(t.state.PointCount, 0);
    EXPECT_TRUE(pictureIsBlank(t));
}

} // namespace
