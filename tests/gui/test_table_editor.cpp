// The two tables in their editors: the model's table text stays the truth, every byte survives.
#include "window_fixture.h"

#include "gui/control_sync.h"

#include <QPlainTextEdit>
#include <QTest>

namespace {

struct RoundTripCase {
    const char* name;
    std::string bytes;
};

class TableBytesTest : public WindowFixture, public ::testing::WithParamInterface<RoundTripCase> {};

// A table loaded from a file, then an edit in the other table, then "SAVE" of the loaded table:
// the file comes back byte for byte.
TEST_P(TableBytesTest, ALoadedTableIsSavedUnchangedAfterAnEditElsewhere)
{
    const RoundTripCase& c = GetParam();
    const auto source = writeTable("source.txt", c.bytes);
    chooseFile(source);
    window.menuItem("FileOpenItem")->trigger();

    auto* left = widget<QPlainTextEdit>("Memo2");
    left->setFocus();
    QTest::keyClicks(left, QStringLiteral("typed"));

    const auto target = drive.root() / "saved.txt";
    chooseFile(target);
    QTest::mouseClick(window.widget("Button17"), Qt::LeftButton);

    EXPECT_EQ(readFileBytes(target), c.bytes);
    EXPECT_EQ(app->controls.Memo2.lines.line(0), "typedMemo2");
}

// Editing the table itself keeps the bytes of the lines the user did not touch.
TEST_P(TableBytesTest, AnEditedTableKeepsItsOtherBytes)
{
    const RoundTripCase& c = GetParam();
    chooseFile(writeTable("source.txt", c.bytes));
    window.menuItem("FileOpenItem")->trigger();

    auto* right = widget<QPlainTextEdit>("Memo1");
    right->setFocus();
    right->moveCursor(QTextCursor::Start);
    QTest::keyClicks(right, QStringLiteral("1 2"));
    QTest::keyClick(right, Qt::Key_Return);
    window.run([](App&) {});

    const TableText original(c.bytes);
    const TableText& edited = app->controls.Memo1.lines;
    ASSERT_EQ(edited.count(), original.count() + 1);
    EXPECT_EQ(edited.line(0), "1 2");
    for (int i = 0; i < original.count(); ++i)
        EXPECT_EQ(edited.line(i + 1), original.line(i)) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableBytesTest,
    ::testing::Values(RoundTripCase{"Ascii", "6000 1\r\n6001 2\r\n"},
                      RoundTripCase{"NoFinalBreak", "6000 1\r\n6001 2"},
                      RoundTripCase{"Latin1AndNoBreakSpace", "6000\xa0" "1\r\nstar \xe9\xe8\r\n\xff\xfe 2\r\n"},
                      RoundTripCase{"InvalidUtf8", "\xc3\x28 1\r\n\x80\x81\r\n"},
                      RoundTripCase{"TabsAndEmptyLines", "6000\t1\r\n\r\n\r\n6001\t2\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableEditorText, ShowsTheLinesWithAFinalBreakOnlyWhenTheTextHasOne)
{
    EXPECT_EQ(tableEditorText(TableText("a\r\nb\r\n")), "a\nb\n");
    EXPECT_EQ(tableEditorText(TableText("a\r\nb")), "a\nb");
    EXPECT_EQ(tableEditorText(TableText("")), "");
    EXPECT_EQ(tableEditorText(TableText("\xe9")), QString(QChar(0xe9)));
}

TEST(TableEditorText, TypedCharactersBeyondLatin1BecomeQuestionMarks)
{
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral(u"\u03bb 6563\n\u00e9"));
    const TableText table = tableFromEditor(editor);
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.line(0), "? 6563");
    EXPECT_EQ(table.line(1), "\xe9");
}

} // namespace
