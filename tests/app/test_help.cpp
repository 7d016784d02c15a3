#include "app/help.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Seen = std::vector<std::string>;

/** The address the program was built to open: the configured one, else the installed manual. */
std::string expectedAddress(const TestApp& t)
{
    const std::string configured = SPECDESK_ONLINE_HELP_URL;
    if (!configured.empty())
        return configured;
    return "file://" + t.drive.native("C://VELK//KOLDAR//h1.hlp").string();
}

std::string shortcutOf(const TestApp& t)
{
    return readFileBytes(t.drive.native("C://VELK//is1.URL"));
}

TEST(Help, ShowsTheHelpFileAndChangesNothing)
{
    TestApp t;
    t.setTable(t.controls.Memo1, "4000 1");
    t.run(Help2Click);
    t.run(Help2Click);
    EXPECT_EQ(t.takeSeen(), Seen({"help: C://VELK//KOLDAR//h1.hlp", "help: C://VELK//KOLDAR//h1.hlp"}));
    EXPECT_EQ(t.controls.Memo1.lines.text(), "4000 1");
    EXPECT_EQ(t.state.PointCount, 0);
    EXPECT_EQ(t.state.CalibratorMode, 0);
}

TEST(OnlineHelp, WritesTheShortcutOpensTheAddressAndHidesTheContainer)
{
    TestApp t;
    const std::string address = expectedAddress(t);
    t.run(Button25Click);
    t.run(Button25Click);
    EXPECT_EQ(t.takeSeen(), Seen({"browse: " + address, "browse: " + address}));
    EXPECT_EQ(shortcutOf(t), "[InternetShortcut]\r\nURL=" + address + "\r\n") << "one URL entry";
    EXPECT_FALSE(t.controls.OleContainer1.visible);
}

TEST(OnlineHelp, TheInstalledManualAddressIsEncoded)
{
    if (!std::string(SPECDESK_ONLINE_HELP_URL).empty())
        GTEST_SKIP() << "this build opens a configured address";
    TestApp t;
    const fs::path drive = t.drive.root() / "drive c#1";
    fs::create_directories(drive / "VELK" / "KOLDAR");
    auto app = makeApp(t.ui, DriveMapping(drive), '.');
    Button25Click(*app);
    const std::string expected = "file://" + (t.drive.root()).string() + "/drive%20c%231/VELK/KOLDAR/h1.hlp";
    EXPECT_EQ(t.takeSeen(), Seen({"browse: " + expected}));
}

struct IniCase {
    const char* name;
    std::string before;
    std::string after; // with @ for the address

    // Printed by name: the raw bytes would include padding that was never set.
    friend void PrintTo(const IniCase& c, std::ostream* out) { *out << c.name; }
};

class OnlineHelpShortcut : public testing::TestWithParam<IniCase> {};

TEST_P(OnlineHelpShortcut, KeepsWhatElseTheFileHoldsAndReplacesTheAddress)
{
    const IniCase& c = GetParam();
    TestApp t;
    writeFileBytes(t.drive.native("C://VELK//is1.URL"), c.before);
    t.run(Button25Click);
    std::string expected = c.after;
    expected.replace(expected.find('@'), 1, expectedAddress(t));
    EXPECT_EQ(shortcutOf(t), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OnlineHelpShortcut,
    testing::Values(
        IniCase{"Empty", "", "[InternetShortcut]\r\nURL=@\r\n"},
        IniCase{"OldAddress", "[InternetShortcut]\nURL=http://old/\n", "[InternetShortcut]\r\nURL=@\r\n"},
        IniCase{"OtherKeysAndSections",
                "[Other]\r\nURL=keep\r\n[InternetShortcut]\r\nIconIndex=1\r\nURL=http://old/\r\nHotKey=0\r\n"
                "[After]\r\nx=1\r\n",
                "[Other]\r\nURL=keep\r\n[InternetShortcut]\r\nIconIndex=1\r\nURL=@\r\nHotKey=0\r\n[After]\r\nx=1\r\n"},
        IniCase{"SectionWithoutKey", "[internetshortcut]\r\nIconIndex=1\r\n\r\n[After]\r\n",
                "[internetshortcut]\r\nIconIndex=1\r\nURL=@\r\n\r\n[After]\r\n"},
        IniCase{"NoSection", "[Other]\r\na=b", "[Other]\r\na=b\r\n[InternetShortcut]\r\nURL=@\r\n"},
        IniCase{"RepeatedKey", "[InternetShortcut]\r\nURL=a\r\nurl = b\r\n", "[InternetShortcut]\r\nURL=@\r\n"}),
    [](const testing::TestParamInfo<IniCase>& info) { return std::string(info.param.name); });

TEST(OnlineHelp, AShortcutThatCannotBeWrittenEndsTheCommandBeforeTheBrowser)
{
    TestApp t(TempDrive::Layout::Empty);
    t.run(Button25Click);
    const Seen seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("error: ", 0), 0u) << seen[0];
    EXPECT_NE(seen[0].find("C://VELK//is1.URL"), std::string::npos) << seen[0];
    EXPECT_FALSE(t.controls.OleContainer1.visible);
}

} // namespace
