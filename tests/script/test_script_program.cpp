// End-to-end: the built specdesk-script program on a drive of its own, with the sample spectra.

#include "json_reader.h"
#include "support/temp_drive.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using ::testing::HasSubstr;

const std::string examples = std::string(SPECDESK_SOURCE_DIR) + "/examples/";

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program with SPECDESK_DRIVE_C set to the drive and the C locale, so nothing of the
// machine's own setup shows.
ProgramRun runProgram(const TempDrive& drive, const std::vector<std::string>& arguments,
                      const std::string& standardInput = "")
{
    const auto inPath = drive.root() / "stdin.txt";
    const auto outPath = drive.root() / "stdout.txt";
    const auto errPath = drive.root() / "stderr.txt";
    writeFileBytes(inPath, standardInput);

    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.rfind("SPECDESK_DRIVE_C=", 0) != 0 && text.rfind("LC_", 0) != 0 && text.rfind("LANG", 0) != 0)
            environment.push_back(text);
    }
    environment.push_back("SPECDESK_DRIVE_C=" + drive.root().string());
    environment.push_back("LC_ALL=C");

    std::vector<std::string> words{SPECDESK_SCRIPT_PROGRAM};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ProgramRun run;
    if (spawned != 0) {
        run.err = std::string("cannot start the program: ") + std::strerror(spawned);
        return run;
    }
    int wait = 0;
    waitpid(child, &wait, 0);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    run.out = readFileBytes(outPath);
    run.err = readFileBytes(errPath);
    return run;
}

// Runs `script` (written to a file) with `arguments` after it.
ProgramRun runScript(const TempDrive& drive, const std::string& script, std::vector<std::string> arguments = {})
{
    const auto scriptPath = drive.root() / "script.txt";
    writeFileBytes(scriptPath, script);
    arguments.insert(arguments.begin(), scriptPath.string());
    return runProgram(drive, arguments);
}

JsonValue snapshotFile(const std::filesystem::path& file)
{
    return JsonReader::parse(readFileBytes(file));
}

long double extended(const JsonValue& value)
{
    return std::strtold(value.text.c_str(), nullptr);
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(ScriptProgram, OpenPreplotPlotPickAndFit)
{
    TempDrive drive;
    const std::string table = examples + "halpha_two_column.txt";
    const auto dump = drive.root() / "state.json";
    const auto picture = drive.root() / "plot.bmp";
    const ProgramRun run = runScript(drive, "answer open " + table + "\n"
                                            "click ToolButton1\n"
                                            "click Button1\n"
                                            "click Button11\n"
                                            "mouseup Image1 100 300\n"
                                            "mouseup Image1 400 290 right\n"
                                            "mouseup Image1 700 280\n"
                                            "click Button15\n"
                                            "check CheckBox10\n"
                                            "check CheckBox3\n"
                                            "click Button11\n"
                                            "dump " + dump.string() + "\n"
                                            "picture " + picture.string() + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "open-dialog: [TABLE TEXT] [*.txt] -> " + table + "\n"
                       "message: LOADED LEFT TABLE\n");
    EXPECT_EQ(run.err, "");

    const JsonValue snapshot = snapshotFile(dump);
    const JsonValue& state = snapshot["state"];
    EXPECT_EQ(state["PointCount"].integer(), 400);
    EXPECT_EQ(state["TableCount"].integer(), 400);
    EXPECT_EQ(state["PickCount"].integer(), 3);
    EXPECT_EQ(state["SecondCount"].integer(), 400);
    EXPECT_EQ(state["CalibratorMode"].integer(), 0);
    ASSERT_EQ(state["SpectrumX"].items.size(), 400u);
    EXPECT_EQ(state["SpectrumX"].items.front().text, "6463");
    EXPECT_EQ(state["SpectrumX"].items.back().text, "6662.5");
    ASSERT_EQ(state["ResultY"].items.size(), 400u);
    EXPECT_EQ(snapshot["decimalSeparator"].text, ",");
    EXPECT_FALSE(snapshot["closed"].boolean);
    EXPECT_EQ(snapshot["picture"]["width"].integer(), 800);
    EXPECT_EQ(snapshot["picture"]["height"].integer(), 600);

    const JsonValue& controls = snapshot["controls"];
    EXPECT_TRUE(controls["Button10"]["visible"].boolean) << "Preplot shows STORE";
    EXPECT_EQ(controls["Label13"]["text"].text, "k fit=3");
    EXPECT_EQ(controls["StaticText5"]["text"].text, "401");
    EXPECT_TRUE(controls["CheckBox10"]["checked"].boolean);
    EXPECT_EQ(controls["Memo1"]["lines"].items.size(), 400u);

    // The result divides by the fitted line and reaches an.txt and the left table alike.
    const long double slope = extended(state["FitSlope"]);
    const long double intercept = extended(state["FitIntercept"]);
    const std::string an = readFileBytes(drive.native("C://VELK//KOLDAR//an.txt"));
    const auto anLines = linesOf(an);
    ASSERT_EQ(anLines.size(), 400u);
    EXPECT_EQ(controls["Memo2"]["lines"].items.size(), 400u);
    for (std::size_t i = 0; i < 400; i += 57) {
        const long double x = extended(state["SpectrumX"].items[i]);
        const long double y = extended(state["SpectrumY"].items[i]);
        const long double expected = y / (slope * x + intercept);
        EXPECT_EQ(extended(state["ResultY"].items[i]), expected) << "point " << i;
        EXPECT_EQ(extended(state["SecondY"].items[i]), slope * x + intercept) << "point " << i;
        const std::string& line = anLines[i];
        EXPECT_EQ(line.back(), '\r') << "text mode ends lines with CR LF";
        EXPECT_EQ(line.find(','), std::string::npos) << line;
        const std::size_t gap = line.find("    ");
        ASSERT_NE(gap, std::string::npos) << line;
        EXPECT_NEAR(static_cast<double>(std::strtold(line.c_str() + gap + 4, nullptr)), static_cast<double>(expected),
                    1e-12 * std::abs(static_cast<double>(expected)))
            << line;
        EXPECT_EQ(controls["Memo2"]["lines"].items[i].text + "\r", line);
    }
    EXPECT_EQ(readFileBytes(picture).substr(0, 2), "BM");
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//C2.txt")), "<missing>") << "not in calibrator mode";
}

TEST(ScriptProgram, StartUpWithATableArgumentAndTheScriptOnStandardInput)
{
    TempDrive drive;
    const std::string table = examples + "halpha_two_column.txt";
    const auto dump = drive.root() / "start.json";
    const ProgramRun run = runProgram(drive, {"-", table}, "# CR LF lines\r\ndump " + dump.string() + "\r\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const JsonValue snapshot = snapshotFile(dump);
    EXPECT_EQ(snapshot["state"]["CommandLinePath"].text, table);
    EXPECT_EQ(snapshot["state"]["PointCount"].integer(), 400);
    EXPECT_EQ(snapshot["state"]["XSteps"].integer(), 10);
    EXPECT_TRUE(snapshot["controls"]["Button10"]["visible"].boolean);
    EXPECT_EQ(snapshot["controls"]["Memo1"]["lines"].items.size(), 400u);

    std::string crlf;
    for (const std::string& line : linesOf(readFileBytes(table)))
        crlf += line + "\r\n";
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//KOLDAR//F0.txt")), crlf);
}

TEST(ScriptProgram, CalibratorModeWritesTheCalibrationRecordOnPlot)
{
    TempDrive drive;
    const auto dump = drive.root() / "calibrator.json";
    const ProgramRun run = runScript(drive,
                                     "answer open " + examples + "halpha_two_column.txt\n"
                                     "click FileOpenItem\n"
                                     "click Button1\n"
                                     "click Button11\n"
                                     "dump " + dump.string() + "\n",
                                     {"a68s68r"});
    ASSERT_EQ(run.status, 0) << run.err;
    const JsonValue snapshot = snapshotFile(dump);
    EXPECT_EQ(snapshot["state"]["CalibratorMode"].integer(), 1);
    EXPECT_EQ(snapshot["state"]["CommandLinePath"].text, "") << "the marker is not a file name";
    EXPECT_NE(readFileBytes(drive.native("C://VELK//C2.txt")), "<missing>");
}

TEST(ScriptProgram, SampleSpectraInEveryLayout)
{
    struct Case {
        const char* file;
        const char* setup; // script lines before the file is opened
        std::size_t points;
        const char* firstX;
        long double firstY;
    } cases[] = {
        {"halpha_two_column.txt", "", 400, "6463", 1.00505L},
        {"three_column.txt", "select RadioButton6\n", 300, "4800", 120.5049L},
        {"with_count_line.txt", "", 150, "5850", 0.90505L},
        {"comma_separator.txt", "check CheckBox4\n", 60, "3900", 2.005L},
    };
    for (const Case& c : cases) {
        TempDrive drive;
        const auto dump = drive.root() / "sample.json";
        const ProgramRun run = runScript(drive, std::string(c.setup) + "answer open " + examples + c.file + "\n"
                                                "click ToolButton1\n"
                                                "click Button1\n"
                                                "dump " + dump.string() + "\n");
        ASSERT_EQ(run.status, 0) << c.file << ": " << run.err;
        EXPECT_THAT(run.out, ::testing::Not(HasSubstr("error:"))) << c.file;
        const JsonValue state = snapshotFile(dump)["state"];
        EXPECT_EQ(state["PointCount"].integer(), static_cast<long long>(c.points)) << c.file;
        ASSERT_EQ(state["SpectrumX"].items.size(), c.points) << c.file;
        EXPECT_EQ(state["SpectrumX"].items[0].text, c.firstX) << c.file;
        EXPECT_NEAR(static_cast<double>(extended(state["SpectrumY"].items[0])), static_cast<double>(c.firstY), 1e-12)
            << c.file;
    }
}

TEST(ScriptProgram, FaultsExitWithStatusTwoAndTheLineNumber)
{
    struct Case {
        std::string script;
        std::string out;   // what was seen before the fault
        std::string fault; // part of the text on standard error
    } cases[] = {
        {"text Edit2 1\n\nfly away\n", "", "script line 3: unknown verb \"fly\""},
        {"check Edit2\n", "", "script line 1: Edit2 is not a check box"},
        {"text Button1 x\n", "", "script line 1: Button1 is not an edit box"},
        {"mouseup Image1 1 y\n", "", "script line 1: coordinate \"y\" is not an integer"},
        {"click Button10\n", "", "script line 1: Button10 is hidden"},
        {"click ToolButton1\n", "", "script line 1: no answer queued"},
        {"answer cancel\nclick ToolButton1\nanswer yes\n", "open-dialog: [TABLE TEXT] [*.txt] -> cancel\n",
         "script line 3: the answer was never asked for"},
    };
    for (const Case& c : cases) {
        TempDrive drive;
        const ProgramRun run = runScript(drive, c.script);
        EXPECT_EQ(run.status, 2) << c.script;
        EXPECT_EQ(run.out, c.out) << c.script;
        EXPECT_THAT(run.err, HasSubstr(c.fault)) << c.script;
    }
}

TEST(ScriptProgram, AMissingScriptOrNoScriptIsAFault)
{
    TempDrive drive;
    const ProgramRun missing = runProgram(drive, {(drive.root() / "no-such-script.txt").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("cannot read the script"));
    const ProgramRun folder = runProgram(drive, {drive.root().string()});
    EXPECT_EQ(folder.status, 2);
    EXPECT_THAT(folder.err, HasSubstr("cannot read the script"));
    const ProgramRun none = runProgram(drive, {});
    EXPECT_EQ(none.status, 2);
    EXPECT_THAT(none.err, HasSubstr("usage"));
}

TEST(ScriptProgram, ProgramErrorsAreOutputAndTheScriptGoesOn)
{
    TempDrive drive;
    const ProgramRun run = runScript(drive, "text Edit2 not-a-number\nclick Button3\nclick Button15\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_THAT(lines[0], ::testing::StartsWith("error: "));
    EXPECT_EQ(lines[1], "message: ONLY ONE POINT");
}

TEST(ScriptProgram, CloseStopsTheScript)
{
    TempDrive drive;
    const auto dump = drive.root() / "never.json";
    const ProgramRun run = runScript(drive, "click HelpAboutItem\nclick FileExitItem\ndump " + dump.string() +
                                                "\nnot a verb\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "about\nclose\n");
    EXPECT_EQ(readFileBytes(dump), "<missing>");
}

} // namespace
