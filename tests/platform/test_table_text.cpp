#include "platform/app_error.h"
#include "platform/table_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
    std::string savedAs;
    friend void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.name; }
};

class TableTextSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(TableTextSplit, SplitsAtEveryBreakAndSavesWithCrLf)
{
    const SplitCase& c = GetParam();
    TableText table(c.text);
    EXPECT_EQ(table.lines(), c.lines);
    EXPECT_EQ(table.text(), c.savedAs);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, TableTextSplit,
    testing::Values(SplitCase{"Empty", "", {}, ""},
                    SplitCase{"OneLineNoBreak", "10 1.5", {"10 1.5"}, "10 1.5"},
                    SplitCase{"FinalBreakIsNotALine", "a\r\nb\r\n", {"a", "b"}, "a\r\nb\r\n"},
                    SplitCase{"LfOnly", "a\nb\n", {"a", "b"}, "a\r\nb\r\n"},
                    SplitCase{"CrOnly", "a\rb", {"a", "b"}, "a\r\nb"},
                    SplitCase{"MixedBreaks", "a\r\nb\nc\rd", {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd"},
                    SplitCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}, "a\r\n\r\nb"},
                    SplitCase{"EmptyLinesKept", "\r\n\r\nx", {"", "", "x"}, "\r\n\r\nx"},
                    SplitCase{"OnlyABreak", "\n", {""}, "\r\n"},
                    SplitCase{"BytesNotUtf8", "\xff\xfe 1\n\x80", {"\xff\xfe 1", "\x80"}, "\xff\xfe 1\r\n\x80"},
                    SplitCase{"NulBytesKept", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"},
                              std::string("a\0b\r\nc", 6)}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(TableText, LinePastTheEndIsEmpty)
{
    TableText table("a\nb");
    EXPECT_EQ(table.line(1), "b");
    EXPECT_EQ(table.line(2), "");
    EXPECT_EQ(table.line(-1), "");
}

TEST(TableText, SetLineReplacesOrAppends)
{
    TableText table("a\nb");
    table.setLine(0, "x");
    table.setLine(2, "c");
    table.setLine(7, "ignored");
    EXPECT_EQ(table.lines(), (std::vector<std::string>{"x", "b", "c"}));
    table.clear();
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.text(), "");
}

class TableTextFiles : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() / ("specdesk-tabletext-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    FilePath file(const std::string& name) const { return {"C://" + name, folder_ / name}; }
    static std::string bytesOf(const FilePath& file)
    {
        std::ifstream in(file.native, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::filesystem::path folder_;
};

TEST_F(TableTextFiles, LoadAndSaveComeBackByteForByteWithCrLf)
{
    const FilePath source = file("in.txt");
    std::ofstream(source.native, std::ios::binary) << "10 1.5\n11 \xe9\r\n\n";
    TableText table;
    table.loadFromFile(source);
    ASSERT_EQ(table.count(), 3);
    const FilePath copy = file("out.txt");
    table.saveToFile(copy);
    EXPECT_EQ(bytesOf(copy), "10 1.5\r\n11 \xe9\r\n\r\n");
}

TEST_F(TableTextFiles, MissingFileIsAFileErrorNamingTheProgramsPath)
{
    TableText table("kept");
    try {
        table.loadFromFile(file("absent.txt"));
        FAIL() << "loading a missing file must fail";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("C://absent.txt"), std::string::npos) << error.what();
    }
    EXPECT_EQ(table.lines(), std::vector<std::string>{"kept"});
}

TEST_F(TableTextFiles, SaveIntoMissingFolderFailsAndLeavesNothing)
{
    const FilePath target{"C://nowhere//x.txt", folder_ / "nowhere" / "x.txt"};
    EXPECT_THROW(TableText("a").saveToFile(target), FileError);
    EXPECT_FALSE(std::filesystem::exists(target.native));
}

} // namespace
