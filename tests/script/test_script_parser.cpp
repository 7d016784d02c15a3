#include "script/script_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <typename Step>
Step parsedAs(const std::string& line)
{
    const auto step = parseScriptLine(line);
    EXPECT_TRUE(step.has_value()) << line;
    EXPECT_TRUE(step && std::holds_alternative<Step>(*step)) << line << ": another kind of step";
    return std::get<Step>(*step);
}

TEST(ScriptParser, SkipsEmptyBlankAndCommentLines)
{
    for (const char* line : {"", "\r", "   ", "# click Button1", "#", "   \r"})
        EXPECT_FALSE(parseScriptLine(line).has_value()) << "\"" << line << "\"";
}

TEST(ScriptParser, ControlAndKeyVerbs)
{
    EXPECT_EQ(parsedAs<ClickStep>("click Button15").control, "Button15");
    EXPECT_EQ(parsedAs<ClickStep>("click ToolButton1\r").control, "ToolButton1");
    EXPECT_EQ(parsedAs<ClickStep>("click  FileOpenItem  ").control, "FileOpenItem");
    EXPECT_EQ(parsedAs<KeyStep>("key Ctrl+N").key, "Ctrl+N");
    const CheckStep check = parsedAs<CheckStep>("check CheckBox3");
    EXPECT_EQ(check.control, "CheckBox3");
    EXPECT_TRUE(check.checked);
    const CheckStep uncheck = parsedAs<CheckStep>("uncheck CheckBox11");
    EXPECT_EQ(uncheck.control, "CheckBox11");
    EXPECT_FALSE(uncheck.checked);
    EXPECT_EQ(parsedAs<SelectStep>("select RadioButton1").control, "RadioButton1");
}

TEST(ScriptParser, TextKeepsEverythingAfterTheBlankVerbatim)
{
    struct Case {
        const char* line;
        const char* control;
        const char* value;
    } cases[] = {
        {"text Edit2 4000", "Edit2", "4000"},
        {"text Edit8 My  title ", "Edit8", "My  title "},
        {"text Edit8  leading", "Edit8", " leading"},
        {"text Edit10 ", "Edit10", ""},
        {"text Edit10", "Edit10", ""},
        {"text Edit4 a\tb # not a comment\r", "Edit4", "a\tb # not a comment"},
        {"text Edit4 \xE9t\xE9", "Edit4", "\xE9t\xE9"},
    };
    for (const Case& c : cases) {
        const TextStep step = parsedAs<TextStep>(c.line);
        EXPECT_EQ(step.control, c.control) << c.line;
        EXPECT_EQ(step.value, c.value) << c.line;
    }
}

TEST(ScriptParser, TablesAndLines)
{
    const TableStep table = parsedAs<TableStep>("table Memo1 /tmp/my spectra/a.txt");
    EXPECT_EQ(table.control, "Memo1");
    EXPECT_EQ(table.file, "/tmp/my spectra/a.txt");

    const LineStep line = parsedAs<LineStep>("line Memo2 3 10.5    1.25 ");
    EXPECT_EQ(line.control, "Memo2");
    EXPECT_EQ(line.index, 3);
    EXPECT_EQ(line.text, "10.5    1.25 ");
    EXPECT_EQ(parsedAs<LineStep>("line Memo1 0").text, "");
    EXPECT_EQ(parsedAs<LineStep>("line Memo1 0 ").text, "");
}

TEST(ScriptParser, MouseUpWithAndWithoutButton)
{
    struct Case {
        const char* line;
        int x;
        int y;
        MouseButton button;
    } cases[] = {
        {"mouseup Image1 401 256", 401, 256, MouseButton::Left},
        {"mouseup Image1 401 256 left", 401, 256, MouseButton::Left},
        {"mouseup Image1 -3 700 right", -3, 700, MouseButton::Right},
        {"mouseup Label9 5 6 middle", 5, 6, MouseButton::Middle},
    };
    for (const Case& c : cases) {
        const MouseUpStep step = parsedAs<MouseUpStep>(c.line);
        EXPECT_EQ(step.x, c.x) << c.line;
        EXPECT_EQ(step.y, c.y) << c.line;
        EXPECT_EQ(step.button, c.button) << c.line;
    }
}

TEST(ScriptParser, Answers)
{
    using Kind = ScriptedAnswer::Kind;
    struct Case {
        const char* line;
        Kind kind;
        const char* path;
    } cases[] = {
        {"answer open /data/a b.txt", Kind::Open, "/data/a b.txt"},
        {"answer save C://VELK//out.bmp", Kind::Save, "C://VELK//out.bmp"},
        {"answer cancel", Kind::Cancel, ""},
        {"answer yes", Kind::Yes, ""},
        {"answer no ", Kind::No, ""},
    };
    for (const Case& c : cases) {
        const AnswerStep step = parsedAs<AnswerStep>(c.line);
        EXPECT_EQ(step.answer.kind, c.kind) << c.line;
        EXPECT_EQ(step.answer.path, c.path) << c.line;
    }
}

TEST(ScriptParser, DumpAndPictureTakeTheRestAsFile)
{
    EXPECT_EQ(parsedAs<DumpStep>("dump /tmp/state one.json").file, "/tmp/state one.json");
    EXPECT_EQ(parsedAs<PictureStep>("picture /tmp/plot.bmp\r").file, "/tmp/plot.bmp");
}

TEST(ScriptParser, FaultsNameWhatIsWrong)
{
    struct Case {
        const char* line;
        const char* message; // a part of the fault's text
    } cases[] = {
        {"press Button1", "unknown verb \"press\""},
        {"Click Button1", "unknown verb \"Click\""},
        {" click Button1", "unknown verb \"\""},
        {"click", "click expects one control name"},
        {"click Button1 Button2", "click expects one control name"},
        {"key", "key expects"},
        {"check", "check expects"},
        {"uncheck CheckBox1 CheckBox2", "uncheck expects"},
        {"select", "select expects"},
        {"text", "text expects NAME VALUE"},
        {"text  value", "text expects NAME VALUE"},
        {"table Memo1", "table expects NAME FILE"},
        {"table Memo1 ", "table expects NAME FILE"},
        {"line Memo1", "line index \"\" is not an integer"},
        {"line Memo1 x text", "line index \"x\" is not an integer"},
        {"line Memo1 -1 text", "line index \"-1\" is negative"},
        {"mouseup Image1 10", "mouseup expects NAME X Y"},
        {"mouseup Image1 10 20 left extra", "mouseup expects NAME X Y"},
        {"mouseup Image1 10.5 20", "coordinate \"10.5\" is not an integer"},
        {"mouseup Image1 10 2e1", "coordinate \"2e1\" is not an integer"},
        {"mouseup Image1 10 99999999999", "coordinate \"99999999999\" is not an integer"},
        {"mouseup Image1 10 20 double", "unknown mouse button \"double\""},
        {"answer", "answer expects"},
        {"answer open", "answer expects"},
        {"answer save ", "answer expects"},
        {"answer maybe", "answer expects"},
        {"answer yes please", "answer expects"},
        {"dump", "dump expects FILE"},
        {"picture", "picture expects FILE"},
    };
    for (const Case& c : cases) {
        try {
            parseScriptLine(c.line);
            ADD_FAILURE() << "no fault for \"" << c.line << "\"";
        } catch (const ScriptFault& fault) {
            EXPECT_NE(std::string(fault.what()).find(c.message), std::string::npos)
                << "\"" << c.line << "\" gave: " << fault.what();
        }
    }
}

} // namespace
