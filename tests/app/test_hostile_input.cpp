// Hostile input from outside: file names with blanks, quotes, '$', newlines, shell syntax and non-ASCII
// letters on the command line and in dialog answers, and table files that are long, one huge line, NUL
// bytes, CR-only line breaks or invalid UTF-8. Each is loaded or refused with a message, never crashes,
// and no name reaches a shell.

#include "app/startup.h"
#include "exchange/table_transfer.h"
#include "platform/bitmap_file.h"
#include "plot/plot_commands.h"
#include "support/test_app.h"
#include "table/command_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>

namespace {

namespace fs = std::filesystem;

const char* const Table = "4000 1\r\n4100 2\r\n4200 1.5\r\n";

void start(TestApp& t, const std::vector<std::string>& arguments)
{
    runCommand(*t.app, [&arguments](App& app) { startpart(app, arguments); });
}

bool anyErrorSeen(const std::vector<std::string>& seen)
{
    return std::any_of(seen.begin(), seen.end(), [](const std::string& line) { return line.starts_with("error: "); });
}

class HostileNames : public testing::TestWithParam<const char*> {
protected:
    fs::path userFile(const std::string& suffix = "") const
    {
        const fs::path folder = t.drive.root() / "user's \"files\" $HOME";
        fs::create_directories(folder);
        return folder / (std::string(GetParam()) + suffix);
    }

    // A shell would have run `touch pwned` or expanded $HOME; the file names must stay literal.
    void expectNoShell() const
    {
        EXPECT_FALSE(fs::exists("pwned"));
        EXPECT_FALSE(fs::exists(t.drive.root() / "pwned"));
    }

    TestApp t;
};

TEST_P(HostileNames, CommandLineArgumentLoadsTheFile)
{
    const fs::path file = userFile();
    writeFileBytes(file, Table);
    start(t, {file.string()});

    EXPECT_FALSE(anyErrorSeen(t.takeSeen()));
    EXPECT_EQ(t.controls.Memo1.lines.text(), Table);
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")), Table);
    EXPECT_EQ(t.state.PointCount, 3);
    expectNoShell();
}

TEST_P(HostileNames, OpenAndSaveDialogAnswersUseTheNameAsGiven)
{
    const fs::path file = userFile();
    writeFileBytes(file, Table);
    t.ui.queue({ScriptedAnswer::Kind::Open, file.string()});
    t.run(FileOpen1Execute);
    EXPECT_EQ(t.controls.Memo1.lines.text(), Table);

    const fs::path savedTable = userFile(" saved");
    t.ui.queue({ScriptedAnswer::Kind::Save, savedTable.string()});
    t.run(Button17Click);
    EXPECT_EQ(readFileBytes(savedTable), Table);

    const fs::path savedPicture = userFile(".bmp");
    t.ui.queue({ScriptedAnswer::Kind::Save, savedPicture.string()});
    t.run(FileSave1Execute);
    EXPECT_EQ(decodeBitmap(readFileBytes(savedPicture)), t.controls.Image1.picture.raster());

    EXPECT_FALSE(anyErrorSeen(t.takeSeen()));
    expectNoShell();
}

INSTANTIATE_TEST_SUITE_P(Paths, HostileNames,
                         testing::Values("with blank.txt", "double\"quote.txt", "single'quote.txt", "$HOME.txt",
                                         "new\nline.txt", "sp\xC3\xA9ktrum \xE2\x82\xAC.txt", "`touch pwned`.txt",
                                         "$(touch pwned).txt", "a;b&&c|d>e.txt", "-dash.txt"));

// Small versions of the large and hostile files (the big ones are measured in bench_large_files).
struct HostileFile {
    const char* name;
    std::function<std::string()> bytes;
    int tableLines;       // lines the right table holds after loading
    bool refused;         // the read ends with a message or an error report
    int points;           // PointCount afterwards

    friend void PrintTo(const HostileFile& file, std::ostream* out) { *out << file.name; }
};

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string invalidUtf8Lines(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i) {
        for (int c = 0x80; c < 0x100; c += 7)
            text += static_cast<char>(c);
        text += "\n";
    }
    return text;
}

class HostileFiles : public testing::TestWithParam<HostileFile> {};

TEST_P(HostileFiles, AreLoadedOrRefusedWithAMessage)
{
    TestApp t;
    const HostileFile& c = GetParam();
    const std::string bytes = c.bytes();
    const fs::path file = t.drive.root() / c.name;
    writeFileBytes(file, bytes);

    start(t, {file.string()});
    const std::vector<std::string> seen = t.takeSeen();

    EXPECT_EQ(t.controls.Memo1.lines.count(), c.tableLines);
    EXPECT_EQ(t.state.PointCount, c.points);
    EXPECT_EQ(t.state.TableCount, t.state.PointCount);
    EXPECT_EQ(!seen.empty(), c.refused) << (seen.empty() ? "" : seen.front().substr(0, 200));
    // The bytes are kept as they are: F0.txt holds the same lines.
    TableText original(bytes);
    TableText copy(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")));
    EXPECT_TRUE(copy.lines() == original.lines());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, HostileFiles,
    testing::Values(HostileFile{"long.txt", [] { return repeated("4000.50 1.01611\r\n", 200000); }, 200000, true, 0},
                    HostileFile{"one_line.txt", [] { return "6463.5 1." + std::string(1 << 20, '7') + "\r\n"; }, 1, false, 1},
                    HostileFile{"nul.txt", [] { return std::string(1 << 20, '\0'); }, 1, true, 0},
                    HostileFile{"cr_only.txt", [] { return repeated("4000.5 1.25\r", 1000); }, 1000, false, 1000},
                    HostileFile{"invalid_utf8.txt", [] { return invalidUtf8Lines(1000); }, 1000, true, 0}),
    [](const testing::TestParamInfo<HostileFile>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });

} // namespace
