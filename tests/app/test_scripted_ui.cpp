#include "app/scripted_ui.h"
#include "platform/app_error.h"
#include "support/test_app.h"
#include "table/command_runner.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedUi, DescribesWhatTheUserSeesOneLineEach)
{
    TestApp t;
    t.ui.queue({ScriptedAnswer::Kind::Open, "/data/a b.txt"});
    t.ui.queue({ScriptedAnswer::Kind::Cancel, ""});
    t.ui.queue({ScriptedAnswer::Kind::No, ""});
    t.ui.showMessage("STORED");
    t.ui.reportError("'x' is not a valid floating point value");
    EXPECT_EQ(t.ui.openDialog({"TABLE TEXT", "*.txt"}), "/data/a b.txt");
    EXPECT_EQ(t.ui.saveDialog({"TEXT - TXT", "*.txt"}), std::nullopt);
    EXPECT_EQ(t.ui.confirm("Is calibrated spectrum data in LEFT table"), Answer::No);
    t.ui.startProgram("C://VELK//Zantrel.exe xsx", 1);
    t.ui.showHelp("C://VELK//KOLDAR//h1.hlp");
    t.ui.openBrowser("file:///x");
    t.ui.showAbout();
    t.ui.closeMainWindow();
    EXPECT_TRUE(t.ui.closeRequested());
    EXPECT_EQ(t.takeSeen(), (std::vector<std::string>{
                                "message: STORED",
                                "error: 'x' is not a valid floating point value",
                                "open-dialog: [TABLE TEXT] [*.txt] -> /data/a b.txt",
                                "save-dialog: [TEXT - TXT] [*.txt] -> cancel",
                                "confirm: Is calibrated spectrum data in LEFT table -> no",
                                "launch: C://VELK//Zantrel.exe xsx [show 1]",
                                "help: C://VELK//KOLDAR//h1.hlp",
                                "browse: file:///x",
                                "about",
                                "close",
                            }));
}

TEST(ScriptedUi, MissingOrWrongAnswersAreScriptFaults)
{
    TestApp t;
    EXPECT_THROW(t.ui.confirm("?"), ScriptFault);
    t.ui.queue({ScriptedAnswer::Kind::Save, "/x"});
    EXPECT_THROW(t.ui.openDialog({"", ""}), ScriptFault) << "a save answer does not fit the open dialog";
    t.ui.queue({ScriptedAnswer::Kind::Open, "/x"});
    EXPECT_THROW(t.ui.confirm("?"), ScriptFault) << "a file answer does not fit a question";
    EXPECT_EQ(t.ui.pendingAnswers(), 0u);
}

TEST(CommandRunner, ReportsTheErrorThatEndsACommandAndKeepsWhatWasDone)
{
    TestApp t;
    runCommand(*t.app, [](App& app) {
        app.state.PickCount = 5;
        throw ConversionError("'abc' is not a valid floating point value");
    });
    EXPECT_EQ(t.state.PickCount, 5) << "nothing is rolled back";
    EXPECT_EQ(t.takeSeen(), std::vector<std::string>{"error: 'abc' is not a valid floating point value"});
}

TEST(CommandRunner, ScriptFaultsAreNotProgramErrors)
{
    TestApp t;
    EXPECT_THROW(runCommand(*t.app, [](App&) { throw ScriptFault("no answer"); }), ScriptFault);
    EXPECT_TRUE(t.takeSeen().empty());
}

} // namespace
