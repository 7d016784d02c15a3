// The cutter and the calibrator really started, as fake programs that record how they were run.

#include "exchange/calibration_handoff.h"
#include "exchange/table_transfer.h"
#include "support/fake_program.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A fake program of the test's own drive at the program's fixed path.
FakeProgram fakeProgram(const TestApp& t, std::string_view programPath, const std::string& name)
{
    return FakeProgram(t.drive.native(programPath), t.drive.root(), name);
}

TEST(SiblingPrograms, CutStartsTheCutterWithoutArgumentsAndDoesNotWait)
{
    TestApp t;
    t.ui.setLaunchPrograms(true);
    const FakeProgram cutter = fakeProgram(t, "C://VELK//KOLDAR//ORVENT.exe", "cutter");
    t.setTable(t.controls.Memo1, "4000 1\r\n");

    t.run(Button19Click);
    EXPECT_FALSE(cutter.recorded()) << "the cutter is still waiting for its release";
    EXPECT_EQ(cutter.releaseAndTakeRecord(), "released\n");
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F.txt")), "4000 1\r\n");
}

TEST(SiblingPrograms, GoOnStartsTheCalibratorWithXsxAndDoesNotWait)
{
    TestApp t;
    t.ui.setLaunchPrograms(true);
    const FakeProgram calibrator = fakeProgram(t, "C://VELK//Zantrel.exe", "calibrator");
    t.ui.queue({ScriptedAnswer::Kind::No, ""});

    t.run(Button24Click);
    EXPECT_TRUE(t.ui.closeRequested());
    EXPECT_FALSE(calibrator.recorded());
    EXPECT_EQ(calibrator.releaseAndTakeRecord(), "released\nxsx\n");
}

TEST(SiblingPrograms, AMissingCutterIsNotReported)
{
    TestApp t;
    t.ui.setLaunchPrograms(true);
    t.run(Button19Click);
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>({"launch: C://VELK//KOLDAR//ORVENT [show 0]"}));
}

} // namespace
