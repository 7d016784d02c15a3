#include "script/script_runner.h"

#include "support/test_app.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

// Runs script text against a fresh application on a drive of its own.
struct RunnerFixture : ::testing::Test {
    TestApp t;
    ScriptSession session{*t.app, t.ui, {}};
    std::string faults;

    int run(const std::string& script)
    {
        std::istringstream in(script);
        std::ostringstream faultText;
        const int status = runScriptLines(session, in, faultText);
        faults = faultText.str();
        return status;
    }
};

TEST_F(RunnerFixture, SetsEditTextsCheckBoxesRadioButtonsAndTableLines)
{
    writeFileBytes(t.drive.root() / "table.txt", "1 2\r\n3 4\n");
    const std::string script = "# a comment\n"
                               "\n"
                               "text Edit8 Two  blanks \r\n"
                               "text Edit10 \n"
                               "check CheckBox3\n"
                               "check CheckBox11\n"
                               "uncheck CheckBox11\n"
                               "select RadioButton4\n"
                               "select RadioButton1\n"
                               "table Memo1 " + (t.drive.root() / "table.txt").string() + "\n"
                               "line Memo1 1 30 40\n"
                               "line Memo1 2 50 60\n"
                               "line Memo2 0 replaced\n";
    ASSERT_EQ(run(script), ScriptRan) << faults;
    EXPECT_EQ(t.controls.Edit8.text, "Two  blanks ");
    EXPECT_EQ(t.controls.Edit10.text, "");
    EXPECT_TRUE(t.controls.CheckBox3.checked);
    EXPECT_FALSE(t.controls.CheckBox11.checked);
    EXPECT_TRUE(t.controls.RadioButton1.checked);
    EXPECT_FALSE(t.controls.RadioButton4.checked) << "the five radio buttons are one group";
    EXPECT_EQ(t.controls.Memo1.lines.lines(), (std::vector<std::string>{"1 2", "30 40", "50 60"}));
    EXPECT_EQ(t.controls.Memo2.lines.lines(), (std::vector<std::string>{"replaced"}));
    EXPECT_TRUE(t.takeSeen().empty());
    EXPECT_EQ(faults, "");
}

TEST_F(RunnerFixture, ClipboardActionsDoNothingWithoutAWindow)
{
    ASSERT_EQ(run("click ToolButton4\nclick CopyItem\nclick PasteItem\nkey Ctrl+X\nkey Ctrl+V\n"), ScriptRan);
    EXPECT_TRUE(t.takeSeen().empty());
    EXPECT_EQ(t.controls.Memo1.lines.lines(), (std::vector<std::string>{"Memo1"}));
}

TEST_F(RunnerFixture, FaultsOfTheScriptGiveTheirLineNumber)
{
    struct Case {
        std::string script;
        std::string fault;
    } cases[] = {
        {"frobnicate\n", "script line 1: unknown verb \"frobnicate\""},
        {"# first\n\nclick Button99\n", "script line 3: unknown control \"Button99\""},
        {"click Edit2\n", "script line 1: Edit2 cannot be clicked"},
        {"click ToolButton3\n", "script line 1: ToolButton3 cannot be clicked"},
        {"click Button10\n", "script line 1: Button10 is hidden"},
        {"key Ctrl+Q\n", "script line 1: unknown shortcut \"Ctrl+Q\""},
        {"check Edit2\n", "script line 1: Edit2 is not a check box"},
        {"uncheck RadioButton1\n", "script line 1: RadioButton1 is not a check box"},
        {"select CheckBox1\n", "script line 1: CheckBox1 is not a radio button"},
        {"text Button1 x\n", "script line 1: Button1 is not an edit box"},
        {"text Memo1 x\n", "script line 1: Memo1 is not an edit box"},
        {"text Nothing x\n", "script line 1: unknown control \"Nothing\""},
        {"line Edit2 0 x\n", "script line 1: Edit2 is not a table"},
        {"line Memo1 2 x\n", "script line 1: line 2 is past the end of Memo1 (1 lines)"},
        {"table Memo2 /nonexistent/folder/t.txt\n", "script line 1: "},
        {"mouseup Button1 1 2\n", "script line 1: a mouse release picks points only over Image1 or Label9"},
        {"mouseup Image1 1 2.5\n", "script line 1: coordinate \"2.5\" is not an integer"},
        {"text Edit2 1\nanswer yes\nanswer no\n", "script line 2: the answer was never asked for"},
    };
    for (const Case& c : cases) {
        TestApp fresh;
        ScriptSession own{*fresh.app, fresh.ui, {}};
        std::istringstream in(c.script);
        std::ostringstream faultText;
        EXPECT_EQ(runScriptLines(own, in, faultText), ScriptFaulty) << c.script;
        EXPECT_THAT(faultText.str(), HasSubstr(c.fault)) << c.script;
    }
}

TEST_F(RunnerFixture, ADialogWithoutAnAnswerIsAFault)
{
    EXPECT_EQ(run("text Edit2 1\nclick ToolButton1\ntext Edit2 2\n"), ScriptFaulty);
    EXPECT_THAT(faults, HasSubstr("script line 2: no answer queued"));
    EXPECT_EQ(t.controls.Edit2.text, "1") << "the script stops at the fault";
}

TEST_F(RunnerFixture, AnAnswerOfTheWrongKindIsAFault)
{
    EXPECT_EQ(run("answer save /tmp/x.txt\nclick FileOpenItem\n"), ScriptFaulty);
    EXPECT_THAT(faults, HasSubstr("script line 2: "));
}

TEST_F(RunnerFixture, OpenDialogAnsweredLoadsTheRightTable)
{
    const auto file = t.drive.root() / "spectrum one.txt";
    writeFileBytes(file, "6500 1.5\n6501 1.75\n");
    ASSERT_EQ(run("answer open " + file.string() + "\nclick ToolButton1\n"), ScriptRan) << faults;
    EXPECT_EQ(t.takeSeen(), (std::vector<std::string>{"open-dialog: [TABLE TEXT] [*.txt] -> " + file.string()}));
    EXPECT_EQ(t.controls.Memo1.lines.lines(), (std::vector<std::string>{"6500 1.5", "6501 1.75"}));
    EXPECT_EQ(readFileBytes(t.drive.native("C://VELK//KOLDAR//F0.txt")), "6500 1.5\r\n6501 1.75\r\n");
}

TEST_F(RunnerFixture, CloseStopsTheScript)
{
    // The lines after the close are not even read: a faulty one does no harm.
    EXPECT_EQ(run("text Edit2 before\nclick FileExitItem\ntext Edit2 after\nnonsense\n"), ScriptRan) << faults;
    EXPECT_EQ(t.takeSeen(), (std::vector<std::string>{"close"}));
    EXPECT_EQ(t.controls.Edit2.text, "before");
}

TEST_F(RunnerFixture, NoLineRunsAfterStartUpAskedToClose)
{
    t.ui.closeMainWindow();
    t.takeSeen();
    EXPECT_EQ(run("not a verb\ntext Edit2 x\n"), ScriptRan) << faults;
    EXPECT_EQ(t.controls.Edit2.text, "");
}

TEST_F(RunnerFixture, ProgramErrorsAreOutputLinesNotFaults)
{
    // "OK" of the X start value with a text no conversion accepts.
    ASSERT_EQ(run("text Edit2 abc\nclick Button3\n"), ScriptRan) << faults;
    const auto seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_THAT(seen[0], ::testing::StartsWith("error: "));
}

TEST_F(RunnerFixture, MouseUpPicksAPointWithAnyButton)
{
    ASSERT_EQ(run("mouseup Image1 50 480\nmouseup Label9 3 4 right\nmouseup Image1 60 470 middle\n"), ScriptRan)
        << faults;
    EXPECT_EQ(t.state.PickCount, 3);
    EXPECT_EQ(t.controls.Label13.text, "k fit=3");
}

TEST_F(RunnerFixture, PictureSavesTheRasterOrReportsTheError)
{
    const auto file = t.drive.root() / "plot.bmp";
    ASSERT_EQ(run("picture " + file.string() + "\npicture /nonexistent/folder/plot.bmp\n"), ScriptRan) << faults;
    EXPECT_NE(readFileBytes(file), "<missing>");
    EXPECT_EQ(readFileBytes(file).substr(0, 2), "BM");
    const auto seen = t.takeSeen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_THAT(seen[0], ::testing::StartsWith("error: "));
}

TEST_F(RunnerFixture, DumpWritesTheSnapshotOrFaults)
{
    const auto file = t.drive.root() / "state.json";
    ASSERT_EQ(run("text Edit8 dumped\ndump " + file.string() + "\n"), ScriptRan) << faults;
    EXPECT_THAT(readFileBytes(file), HasSubstr("\"Edit8\": {\"text\": \"dumped\""));
    EXPECT_EQ(run("dump /nonexistent/folder/state.json\n"), ScriptFaulty);
    EXPECT_THAT(faults, HasSubstr("script line 1: "));
}

} // namespace
