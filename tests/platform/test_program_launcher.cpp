#include "platform/program_launcher.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

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

std::string contentOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/**
 * A program that waits (at most 10 s) until the test releases it, then records whether it was
 * released and its arguments, one a line. A launcher that waited for the program would never let the
 * test release it, so the record would say "timeout".
 */
class FakeProgram {
public:
    FakeProgram(const TempFolder& folder, const fs::path& program)
        : release_(folder / "release"), record_(folder / "record")
    {
        fs::create_directories(program.parent_path());
        std::ofstream(program) << "#!/bin/sh\n"
                                  "i=0\n"
                                  "while [ ! -e '" << release_.string() << "' ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done\n"
                                  "if [ -e '" << release_.string() << "' ]; then state=released; else state=timeout; fi\n"
                                  "printf '%s\\n' \"$state\" \"$@\" > '" << record_.string() << ".part'\n"
                                  "mv '" << record_.string() << ".part' '" << record_.string() << "'\n";
        fs::permissions(program, fs::perms::owner_all);
    }

    bool recorded() const { return fs::exists(record_); }

    /** Lets the program go on, then waits (bounded) for its record. */
    std::string releaseAndTakeRecord() const
    {
        std::ofstream{release_};
        for (int i = 0; i < 400 && !fs::exists(record_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return contentOf(record_);
    }

private:
    fs::path release_;
    fs::path record_;
};

bool hasChildren()
{
    int status = 0;
    return !(waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD);
}

TEST(LaunchProgram, StartsTheProgramWithoutWaitingAndLeavesNoChild)
{
    TempFolder drive;
    const FakeProgram program(drive, drive / "VELK" / "Zantrel.exe");
    ASSERT_TRUE(launchProgram("C://VELK//Zantrel.exe xsx", 1, DriveMapping(drive.path())));
    EXPECT_FALSE(program.recorded()) << "still waiting for its release";
    EXPECT_FALSE(hasChildren()) << "the program is not a child of ours: nothing to wait for, no zombie";
    EXPECT_EQ(program.releaseAndTakeRecord(), "released\nxsx\n");
    EXPECT_FALSE(hasChildren());
}

TEST(LaunchProgram, AddsExeToAProgramWithoutExtension)
{
    TempFolder drive;
    const FakeProgram program(drive, drive / "VELK" / "KOLDAR" / "ORVENT.exe");
    ASSERT_TRUE(launchProgram("C://VELK//KOLDAR//ORVENT", 0, DriveMapping(drive.path())));
    EXPECT_EQ(program.releaseAndTakeRecord(), "released\n");
}

TEST(LaunchProgram, PassesEveryWordLiterallyWithNoShell)
{
    TempFolder drive;
    const FakeProgram program(drive, drive / "VELK" / "$HOME" / "p;q.exe");
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
