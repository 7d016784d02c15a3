// The two tables in their editors: the model's table text stays the truth, every byte survives.
#include "window_fixture.h"

#include "gui/control_sync.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

namespace {

// 30000 lines as a spectrum file may hold them: Latin-1 and invalid UTF-8 bytes, no-break spaces,
// tabs and an empty line now and then.
std::string longTable(bool finalBreak)
{
    std::string bytes;
    for (int i = 0; i < 30000; ++i) {
        if (i > 0)
            bytes += "\r\n";
        if (i % 1000 == 999)
            continue;
        bytes += std::to_string(4000 + i) + (i % 3 == 0 ? "\xa0" : "\t") + std::to_string(i % 17);
        if (i % 5 == 0)
            bytes += " \xe9\xc3\x28\xff";
    }
    if (finalBreak)
        bytes += "\r\n";
    return bytes;
}

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

TEST(TableEditorText, SlicesOfConsecutiveLinesJoinIntoTheWholeText)
{
    struct Case {
        const char* text;
        std::vector<int> cuts; // slice boundaries between 0 and the line count
    };
    const Case cases[] = {
        {"a\r\nb\r\nc\r\n", {1, 2}},
        {"a\r\nb\r\nc", {1}},
        {"a\r\n\r\n\r\n", {1, 2}},     // empty lines at a cut and at the end
        {"\r\na\r\nb", {1, 1, 2}},       // an empty first line and an empty slice
        {"a\r\nb\r\nc\r\n", {3}},      // an empty slice after the end adds no second break
        {"", {}},
    };
    for (const Case& c : cases) {
        const TableText table(c.text);
        std::vector<int> bounds{0};
        bounds.insert(bounds.end(), c.cuts.begin(), c.cuts.end());
        bounds.push_back(table.count());
        QString joined;
        for (std::size_t i = 0; i + 1 < bounds.size(); ++i)
            joined += tableEditorSlice(table, bounds[i], bounds[i + 1]);
        EXPECT_EQ(joined, tableEditorText(table)) << c.text;
    }
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

// One table editor bound to its table, without the window around it.
class TableFillTest : public ::testing::Test {
protected:
    TableFillTest() { sync.bind(memo, &editor); }

    /** @brief Runs event-loop turns until no fill is left; the number of turns it took. */
    int runFills()
    {
        int turns = 0;
        while (sync.filling() && turns < 100000) {
            QCoreApplication::processEvents();
            ++turns;
        }
        EXPECT_FALSE(sync.filling()) << "the fill never ends";
        return turns;
    }

    MemoControl memo{{ControlKind::Memo, "", true, false}, {}};
    QPlainTextEdit editor;
    ControlSync sync;
};

TEST_F(TableFillTest, ALongTableFillsOverSeveralTurnsAndIsReadOnlyMeanwhile)
{
    const std::string bytes = longTable(true);
    memo.lines.setText(bytes);
    sync.push();
    ASSERT_TRUE(sync.filling());
    EXPECT_TRUE(editor.isReadOnly());
    EXPECT_LT(editor.document()->blockCount(), 30000) << "only the first lines are shown at once";

    QCoreApplication::processEvents();
    ASSERT_TRUE(sync.filling());
    const QString partial = editor.document()->toRawText();
    editor.setFocus();
    QTest::keyClicks(&editor, QStringLiteral("typed"));
    EXPECT_EQ(editor.document()->toRawText(), partial) << "typing into a half-filled table is refused";
    sync.pull();
    EXPECT_EQ(memo.lines.text(), bytes) << "the half-filled editor is not taken into the model";

    EXPECT_GT(runFills(), 1);
    EXPECT_FALSE(editor.isReadOnly());
    EXPECT_FALSE(editor.document()->isModified());
    EXPECT_FALSE(editor.document()->isUndoAvailable()) << "the fill is not an edit the user can undo";
    EXPECT_TRUE(editor.document()->isUndoRedoEnabled());
    EXPECT_EQ(tableFromEditor(editor).text(), bytes);

    // Now the user's edit goes into the model, and every other line keeps its bytes.
    editor.moveCursor(QTextCursor::Start);
    QTest::keyClicks(&editor, QStringLiteral("x"));
    sync.pull();
    const TableText original(bytes);
    ASSERT_EQ(memo.lines.count(), original.count());
    EXPECT_EQ(memo.lines.line(0), "x" + original.line(0));
    for (int i = 1; i < original.count(); ++i)
        ASSERT_EQ(memo.lines.line(i), original.line(i)) << "line " << i;
    EXPECT_TRUE(memo.lines.endsWithBreak());
}

TEST_F(TableFillTest, ANewTableDuringAFillStartsOver)
{
    memo.lines.setText(longTable(false));
    sync.push();
    QCoreApplication::processEvents();
    ASSERT_TRUE(sync.filling());

    const std::string other = longTable(true).substr(7);
    memo.lines.setText(other);
    sync.push();
    runFills();
    EXPECT_EQ(tableFromEditor(editor).text(), other);

    // A short table ends the running fill at once.
    memo.lines.setText(longTable(false));
    sync.push();
    ASSERT_TRUE(sync.filling());
    memo.lines.setText("6000 1\r\n");
    sync.push();
    EXPECT_FALSE(sync.filling());
    EXPECT_FALSE(editor.isReadOnly());
    EXPECT_EQ(editor.toPlainText(), "6000 1\n");
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.toPlainText(), "6000 1\n") << "no turn of the stopped fill appends anything";
}

TEST_F(TableFillTest, PendingFillsCanBeFinishedAtOnce)
{
    memo.lines.setText(longTable(false));
    sync.push();
    sync.finishPendingFills();
    EXPECT_FALSE(sync.filling());
    EXPECT_FALSE(editor.isReadOnly());
    EXPECT_EQ(tableFromEditor(editor), memo.lines);
}

class LongTableTest : public WindowFixture, public ::testing::WithParamInterface<bool> {};

// A 30000-line table opened in the right table: a command run while it fills keeps the model's
// table, and after the fill an edit elsewhere and "SAVE" give back the file byte for byte.
TEST_P(LongTableTest, ALongOpenedTableStaysByteIdentical)
{
    const std::string bytes = longTable(GetParam());
    chooseFile(writeTable("long.txt", bytes));
    window.menuItem("FileOpenItem")->trigger();

    auto* right = widget<QPlainTextEdit>("Memo1");
    ASSERT_TRUE(right->isReadOnly()) << "the table is still being filled";
    const QString partial = right->document()->toRawText();
    right->setFocus();
    QTest::keyClicks(right, QStringLiteral("typed"));
    EXPECT_EQ(right->document()->toRawText(), partial) << "typing into a half-filled table is refused";
    window.run([](App&) {});
    EXPECT_EQ(app->controls.Memo1.lines.text(), bytes);

    finishTableFills();
    EXPECT_FALSE(right->isReadOnly());
    auto* left = widget<QPlainTextEdit>("Memo2");
    left->setFocus();
    QTest::keyClicks(left, QStringLiteral("typed"));
    const auto target = drive.root() / "saved.txt";
    chooseFile(target);
    QTest::mouseClick(window.widget("Button17"), Qt::LeftButton);
    EXPECT_EQ(readFileBytes(target), bytes);
    EXPECT_EQ(app->controls.Memo2.lines.line(0), "typedMemo2");
}

INSTANTIATE_TEST_SUITE_P(Tables, LongTableTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "FinalBreak" : "NoFinalBreak"; });

} // namespace
