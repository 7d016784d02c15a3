#include "app/startup.h"
#include "platform/raster.h"
#include "support/test_app.h"
#include "table/command_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Seen = std::vector<std::string>;

const char* const Table = "4000 1\r\n4100 2\r\n4200 1.5\r\n";

bool pictureIsBlank(const TestApp& t)
{
    return t.controls.Image1.picture.raster() == Raster::blank16Colour();
}

/** The window as designed: tables showing their names, white picture, "STORE" hidden. */
void expectWindowAsDesigned(const TestApp& t)
{
    EXPECT_EQ(t.controls.Memo1.lines.text(), "Memo1");
    EXPECT_EQ(t.controls.Memo2.lines.text(), "Memo2");
    EXPECT_TRUE(pictureIsBlank(t));
    EXPECT_FALSE(t.controls.Button10.visible);
    EXPECT_EQ(t.state.PointCount, 0);
}

/** Runs start-up as the program does: through the general error report. */
void start(TestApp& t, const std::vector<std::string>& arguments)
{
    runCommand(*t.app, [&arguments](App& app) { startpart(app, arguments); });
}

TEST(StartUp, WithoutArgumentsNothingIsLoaded)
{
    TestApp t;
    t.state.CalibratorMode = 1;
    start(t, {});
    EXPECT_EQ(t.state.CalibratorMode, 0);
    expectWindowAsDesigned(t);
    EXPECT_EQ(t.takeSeen(), Seen{});
}

TEST(StartUp, TheMarkerSwitchesOnCalibratorModeAndLoadsNothing)
{
    TestApp t;
    start(t, {"a68s68r", "ignored.txt"});
    EXPECT_EQ(t.state.CalibratorMode, 1);
    EXPECT_EQ(t.state.CommandLinePath, "");
    expectWindowAsDesigned(t);
    EXPECT_EQ(t.takeSeen(), Seen{});
}

TEST(StartUp, ATableFileIsLoadedCopiedReadAndPlotted)
{
    TestApp t;
    const fs::path file = t.drive.root() / "spectrum.txt";
    writeFileBytes(file, Table);
    start(t, {file.string()});
    EXPECT_EQ(t.takeSeen(), Seen{});
    EXPECT_EQ(t.state.CommandLinePath, file.string());
    EXPECT_EQ(t.controls.Memo1.lines.text(), Table);
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")), Table);
    EXPECT_EQ(t.state.PointCount, 3);
    EXPECT_TRUE(t.controls.Button10.visible);
    EXPECT_FALSE(pictureIsBlank(t));
    EXPECT_EQ(t.state.CalibratorMode, 0);
}

TEST(StartUp, AQuotedPathWithBlanksIsOneFile)
{
    TestApp t;
    fs::create_directories(t.drive.root() / "my spectra");
    const fs::path file = t.drive.root() / "my spectra" / "star one.txt";
    writeFileBytes(file, Table);
    start(t, {file.string()});
    EXPECT_EQ(t.takeSeen(), Seen{});
    EXPECT_EQ(t.controls.Memo1.lines.text(), Table);
    EXPECT_EQ(t.state.PointCount, 3);
}

TEST(StartUp, OnlyTheFirstOfSeveralArgumentsIsLoaded)
{
    TestApp t;
    const fs::path first = t.drive.root() / "a.txt";
    writeFileBytes(first, Table);
    writeFileBytes(first.string() + "b.txt", "9000 9\r\n"); // what gluing the arguments together would name
    start(t, {first.string(), "b.txt"});
    EXPECT_EQ(t.takeSeen(), Seen{});
    EXPECT_EQ(t.state.CommandLinePath, first.string());
    EXPECT_EQ(t.controls.Memo1.lines.text(), Table);
}

/** Runs in `folder` for as long as it lives. */
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
    ~WorkingFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

TEST(StartUp, TheMarkerInCapitalsIsAFileName)
{
    TestApp t;
    writeFileBytes(t.drive.root() / "A68S68R", Table);
    const WorkingFolder here(t.drive.root());
    start(t, {"A68S68R"});
    EXPECT_EQ(t.state.CalibratorMode, 0);
    EXPECT_EQ(t.controls.Memo1.lines.text(), Table);
    EXPECT_EQ(t.state.PointCount, 3);
}

TEST(StartUp, AnUnreadableFileEndsStartUpWithTheWindowAsDesigned)
{
    TestApp t;
    const std::string missing = (t.drive.root() / "missing.txt").string();
    start(t, {missing});
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
    EXPECT_NE(seen[0].find(missing), std::string::npos) << seen[0];
    expectWindowAsDesigned(t);
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")), "<missing>");
}

TEST(StartUp, AnUnwritableOriginalCopyEndsStartUpBeforeReading)
{
    TestApp t;
    fs::remove_all(t.drive.native("C://VELK//KOLDAR//"));
    const fs::path file = t.drive.root() / "spectrum.txt";
    writeFileBytes(file, Table);
    start(t, {file.string()});
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].find("C://VELK//KOLDAR//F0.txt"), std::string::npos) << seen[0];
    EXPECT_EQ(t.controls.Memo1.lines.text(), Table) << "the table already holds the new lines";
    EXPECT_FALSE(t.controls.Button10.visible);
    EXPECT_EQ(t.state.PointCount, 0) << "no read";
    EXPECT_TRUE(pictureIsBlank(t)) << "no plot";
}

TEST(FileOpen, LoadsTheTableHidesStoreAndKeepsTheOriginalWithoutReading)
{
    TestApp t;
    const fs::path file = t.drive.root() / "opened.txt";
    writeFileBytes(file, "5000 1\n5100 2");
    t.controls.Button10.visible = true;
    t.state.PointCount = 7;
    t.ui.queue({ScriptedAnswer::Kind::Open, file.string()});
    t.run(FileOpen1Execute);
    EXPECT_EQ(t.takeSeen(), Seen({"open-dialog: [TABLE TEXT] [*.txt] -> " + file.string()}));
    EXPECT_EQ(t.controls.Memo1.lines.text(), "5000 1\r\n5100 2");
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")), "5000 1\r\n5100 2");
    EXPECT_FALSE(t.controls.Button10.visible);
    EXPECT_EQ(t.state.PointCount, 7) << "Open does not read the table";
    EXPECT_TRUE(pictureIsBlank(t)) << "nor plot it";
}

TEST(FileOpen, CancelChangesNothing)
{
    TestApp t;
    t.controls.Button10.visible = true;
    t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
    t.run(FileOpen1Execute);
    EXPECT_EQ(t.takeSeen(), Seen({"open-dialog: [TABLE TEXT] [*.txt] -> cancel"}));
    EXPECT_EQ(t.controls.Memo1.lines.text(), "Memo1");
    EXPECT_TRUE(t.controls.Button10.visible);
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")), "<missing>");
}

TEST(FileOpen, AFileThatCannotBeReadChangesNothing)
{
    TestApp t;
    writeFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt"), "kept");
    t.controls.Button10.visible = true;
    t.ui.queue({ScriptedAnswer::Kind::Open, (t.drive.root() / "missing.txt").string()});
    t.run(FileOpen1Execute);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].rfind("error: ", 0), 0u) << seen[1];
    EXPECT_EQ(t.controls.Memo1.lines.text(), "Memo1");
    EXPECT_TRUE(t.controls.Button10.visible);
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")), "kept");
}

TEST(FileNew, EmptiesTheRightTableAndResetsTheExtremes)
{
    TestApp t;
    t.setTable(t.controls.Memo1, Table);
    t.setTable(t.controls.Memo2, "left");
    t.controls.StaticText1.text = "Min X=4000";
    t.controls.StaticText3.text = "Max X=4200";
    t.controls.StaticText2.text = "Min Y=1";
    t.controls.StaticText4.text = "Max Y=2";
    t.state.PointCount = 3;
    t.controls.Image1.picture.setPixel(5, 5, colours::Black);
    const Raster before = t.controls.Image1.picture.raster();

    t.run(FileNew1Execute);
    EXPECT_EQ(t.controls.Memo1.lines.count(), 0);
    EXPECT_EQ(t.controls.StaticText1.text, "Min X=");
    EXPECT_EQ(t.controls.StaticText3.text, "Max X=");
    EXPECT_EQ(t.controls.StaticText2.text, "Min Y=");
    EXPECT_EQ(t.controls.StaticText4.text, "Max Y=");
    EXPECT_EQ(t.controls.Memo2.lines.text(), "left");
    EXPECT_EQ(t.state.PointCount, 3);
    EXPECT_EQ(t.controls.Image1.picture.raster(), before);
}

TEST(FileExitAndAbout, AskTheWindow)
{
    TestApp t;
    t.run(HelpAbout1Execute);
    EXPECT_FALSE(t.ui.closeRequested());
    t.run(FileExit1Execute);
    EXPECT_TRUE(t.ui.closeRequested());
    EXPECT_EQ(t.takeSeen(), Seen({"about", "close"}));
}

} // namespace
