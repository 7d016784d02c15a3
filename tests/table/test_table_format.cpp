#include "support/test_app.h"
#include "table/table_format.h"

#include <gtest/gtest.h>

namespace {

TEST(TableFormat, CommaToDotAndDotToCommaReplaceEveryOccurrence)
{
    EXPECT_EQ(CommaToDot("1,5;2,5"), "1.5;2.5");
    EXPECT_EQ(DotToComma("1.5.2"), "1,5,2");
    EXPECT_EQ(CommaToDot(""), "");
    EXPECT_EQ(DotToComma("no separators"), "no separators");
    EXPECT_EQ(CommaToDot("1.5"), "1.5") << "a point is left alone";
    EXPECT_EQ(DotToComma("1,5"), "1,5") << "a comma is left alone";

    std::string text = "3.25 4.5";
    dotToCommaInPlace(text);
    EXPECT_EQ(text, "3,25 4,5");
}

TEST(TableFormat, TrimRemovesBlanksAndControlCharactersAtBothEndsOnly)
{
    struct Case {
        std::string text;
        std::string trimmed;
    };
    const Case cases[] = {
        {"", ""},
        {"   ", ""},
        {"\t\r\n\x01 10 1.5 \x1f\t", "10 1.5"},
        {"10\t 1.5", "10\t 1.5"},
        {"  a  b  ", "a  b"},
        {"\x7f"
         "x",
         "\x7f"
         "x"},                      // DEL (127) is above 32: kept
        {"\xa0x\xa0", "\xa0x\xa0"}, // a byte above 127 is not a control character
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trimBlanksAndControls(c.text), c.trimmed) << '"' << c.text << '"';
        std::string inPlace = c.text;
        trimBlanksAndControlsInPlace(inPlace);
        EXPECT_EQ(inPlace, c.trimmed) << '"' << c.text << '"';
    }
}

TEST(TableFormat, CleanHiddenCharactersFollowsTheTwoBoxes)
{
    struct Case {
        bool tabs;
        bool separators;
        std::string cleaned;
    };
    const std::string line = "1,5;2\t3.5:4";
    const Case cases[] = {
        {false, false, line},
        {true, false, "1,5;2 3.5:4"},
        {false, true, "1 5 2\t3.5:4"}, // the colon stays, whatever the caption says
        {true, true, "1 5 2 3.5:4"},
    };
    for (const Case& c : cases) {
        TestApp t;
        t.controls.CheckBox4.checked = c.tabs;
        t.controls.CheckBox5.checked = c.separators;
        t.state.LineText = line;
        CleanHiddenCharacters(*t.app);
        EXPECT_EQ(t.state.LineText, c.cleaned) << "tabs " << c.tabs << ", separators " << c.separators;
    }
}

} // namespace
