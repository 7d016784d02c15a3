// The cutter and the calibrator really started, as fake programs that record how they were run.

#include "exchange/calibration_handoff.h"
#include "exchange/table_transfer.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;

/**
 * A sibling program stand-in: it waits (at most 10 s) until the test releases it, then records
 * whether it was released and its arguments, one a line. A handler that waited for its program
 * would never let the test release it, so the record would say "timeout".
 */
struct FakeProgram {
    fs::path release;
    fs::path record;

    FakeProgram(const TestApp& t, std::string_view programPath, const std::string& name)
        : release(t.drive.root() / ("release-" + name)), record(t.drive.root() / ("record-" + name))
    {
        const fs::path program = t.drive.native(programPath);
        writeFileBytes(program, "#!/bin/sh\n"
                                "i=0\n"
                                "while [ ! -e '" + release.string() + "' ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done\n"
                                "if [ -e '" + release.string() + "' ]; then state=released; else state=timeout; fi\n"
                                "printf '%s\\n' \"$state\" \"$@\" > '" + record.string() + ".part'\n"
                                "mv '" + record.string() + ".part' '" + record.string() + "'\n");
        fs::permissions(program, fs::perms::owner_all);
    }

    /** Lets the program go on, then waits (bounded) for its record. */
    std::string releaseAndTakeRecord() const
    {
        writeFileBytes(release, "");
        for (int i = 0; i < 400 && !fs::exists(record); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return readFileBytes(record);
    }
};

TEST(SiblingPrograms, CutStartsTheCutterWithoutArgumentsAndDoesNotWait)
{
    TestApp t;
    t.ui.setLaunchPrograms(true);
    const FakeProgram cutter(t, "C://VELK//KOLDAR//ORVENT.exe", "cutter");
    t.setTable(t.controls.Memo1, "4000 1\r\n");

    t.run(Button19Click);
    EXPECT_FALSE(fs::exists(cutter.record)) << "the cutter is still waiting for its release";
    EXPECT_EQ(cutter.releaseAndTakeRecord(), "released\n");
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F.txt")), "4000 1\r\n");
}

TEST(SiblingPrograms, GoOnStartsTheCalibratorWithXsxAndDoesNotWait)
{
    TestApp t;
    t.ui.setLaunchPrograms(true);
    const FakeProgram calibrator(t, "C://VELK//Zantrel.exe", "calibrator");
    t.ui.queue({ScriptedAnswer::Kind::No, ""});

    t.run(Button24Click);
    EXPECT_TRUE(t.ui.closeRequested());
    EXPECT_FALSE(fs::exists(calibrator.record));
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
