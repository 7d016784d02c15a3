#include "platform/program_launcher.h"
#include "support/fake_program.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct SplitCase {
    const char* line;
    std::string program;
    std::vector<std::string> arguments;
};

TEST(SplitCommandLine, SplitsAtBlanksOnly)
{
    const SplitCase cases[] = {
        {"C://VELK//Zantrel.exe xsx", "C://VELK//Zantrel.exe", {"xsx"}},
        {"C://VELK//KOLDAR//ORVENT", "C://VELK//KOLDAR//ORVENT", {}},
        {"  prog   a  \"b c\"  ", "prog", {"a", "\"b", "c\""}},
        {"prog a;b $HOME", "prog", {"a;b", "$HOME"}},
        {"", "", {}},
        {"   ", "", {}},
    };
    for (const SplitCase& c : cases) {
        const CommandLine parts = splitCommandLine(c.line);
        EXPECT_EQ(parts.program, c.program) << c.line;
        EXPECT_EQ(parts.arguments, c.arguments) << c.line;
    }
}

bool hasChildren()
{
    int status = 0;
    return !(waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD);
}

TEST(LaunchProgram, StartsTheProgramWithoutWaitingAndLeavesNoChild)
{
    TempFolder drive;
    const FakeProgram program(drive / "VELK" / "Zantrel.exe", drive.path(), "calibrator");
    ASSERT_TRUE(launchProgram("C://VELK//Zantrel.exe xsx", 1, DriveMapping(drive.path())));
    EXPECT_FALSE(program.recorded()) << "still waiting for its release";
    EXPECT_FALSE(hasChildren()) << "the program is not a child of ours: nothing to wait for, no zombie";
    EXPECT_EQ(program.releaseAndTakeRecord(), "released\nxsx\n");
    EXPECT_FALSE(hasChildren());
}

TEST(LaunchProgram, AddsExeToAProgramWithoutExtension)
{
    TempFolder drive;
    const FakeProgram program(drive / "VELK" / "KOLDAR" / "ORVENT.exe", drive.path(), "cutter");
    ASSERT_TRUE(launchProgram("C://VELK//KOLDAR//ORVENT", 0, DriveMapping(drive.path())));
    EXPECT_EQ(program.releaseAndTakeRecord(), "released\n");
}

TEST(LaunchProgram, PassesEveryWordLiterallyWithNoShell)
{
    TempFolder drive;
    const FakeProgram program(drive / "VELK" / "$HOME" / "p;q.exe", drive.path(), "odd");
    ASSERT_TRUE(launchProgram("C://VELK//$HOME//p;q.exe a;b $HOME `id` $(id) 'x' *", 1, DriveMapping(drive.path())));
    EXPECT_EQ(program.releaseAndTakeRecord(), "released\na;b\n$HOME\n`id`\n$(id)\n'x'\n*\n");
}

TEST(LaunchProgram, ReportsWhatCannotBeStarted)
{
    TempFolder drive;
    fs::create_directories(drive / "VELK");
    std::ofstream(drive / "VELK" / "plain.exe") << "not a program\n";
    fs::permissions(drive / "VELK" / "plain.exe", fs::perms::owner_read | fs::perms::owner_write);
    const DriveMapping mapping(drive.path());
    EXPECT_FALSE(launchProgram("C://VELK//Zantrel.exe xsx", 1, mapping)) << "missing";
    EXPECT_FALSE(launchProgram("C://VELK//plain.exe", 1, mapping)) << "not executable";
    EXPECT_FALSE(launchProgram("", 1, mapping)) << "empty";
    EXPECT_FALSE(hasChildren());
}

} // namespace
