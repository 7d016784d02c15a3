// The File menu and the action list: New (Ctrl+N only), Open, Exit.
#include "window_fixture.h"

#include "gui/plot_view.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const std::string Table = "6000 1\r\n6001 3\r\n6002 2\r\n";

class FileCommandTest : public WindowFixture {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(FileCommandTest, CtrlNEmptiesTheRightTableAndResetsTheExtremesOnly)
{
    window.start({writeTable("first.txt", Table).string()});
    const QImage plotted = widget<PlotView>("Image1")->image();

    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);

    EXPECT_EQ(editorText("Memo1"), "");
    EXPECT_EQ(app->controls.Memo1.lines.count(), 0);
    EXPECT_EQ(widget<QLabel>("StaticText1")->text(), "Min X=");
    EXPECT_EQ(widget<QLabel>("StaticText3")->text(), "Max X=");
    EXPECT_EQ(widget<QLabel>("StaticText2")->text(), "Min Y=");
    EXPECT_EQ(widget<QLabel>("StaticText4")->text(), "Max Y=");
    EXPECT_EQ(widget<PlotView>("Image1")->image(), plotted) << "the picture keeps the spectrum";
    EXPECT_EQ(app->state.PointCount, 3);
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//KOLDAR//F0.txt")), Table);
}

TEST_F(FileCommandTest, NewIsReachableOnlyByItsShortcut)
{
    QAction* fileNew = window.action("FileNew1");
    ASSERT_NE(fileNew, nullptr);
    EXPECT_EQ(fileNew->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_TRUE(window.actions().contains(fileNew));
    for (QAction* item : window.menuBar()->findChildren<QAction*>())
        EXPECT_FALSE(item->text().contains(QStringLiteral("New"))) << item->text().toStdString();
}

TEST_F(FileCommandTest, OpenCancelledChangesNothing)
{
    cancelNext();
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "open-dialog: [] [*.txt]") << "TABLE TEXT is no suffix; the name box filters *.txt";
    EXPECT_EQ(editorText("Memo1"), "Memo1");
    EXPECT_EQ(readFileBytes(drive.native("C://VELK//KOLDAR//F0.txt")), "<missing>");
}

TEST_F(FileCommandTest, OpenFromMenuToolButtonOrShortcutLoadsTheTableAndHidesStore)
{
    using Trigger = std::function<void()>;
    const std::vector<std::pair<const char*, Trigger>> triggers{
        {"menu item", [&] { window.menuItem("FileOpenItem")->trigger(); }},
        {"tool button", [&] { clickControl("ToolButton1"); }},
        {"shortcut", [&] { QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier); }},
    };
    const auto table = writeTable("opened.txt", Table);
    for (const auto& [how, trigger] : triggers) {
        SCOPED_TRACE(how);
        window.run([](App& a) {
            a.controls.Memo1.lines.setText("Memo1");
            a.controls.Button10.visible = true;
        });
        writeFileBytes(drive.native("C://VELK//KOLDAR//F0.txt"), "old");
        answerNext([&](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            EXPECT_EQ(files.nameFilters(), QStringList{QStringLiteral("All Files (*)")});
            files.selectFile(QString::fromStdString(table.string()));
            return static_cast<int>(QDialog::Accepted);
        });
        trigger();
        EXPECT_EQ(editorText("Memo1"), "6000 1\n6001 3\n6002 2\n");
        EXPECT_FALSE(shown("Button10"));
        EXPECT_EQ(readFileBytes(drive.native("C://VELK//KOLDAR//F0.txt")), Table);
        EXPECT_EQ(app->state.PointCount, 0) << "Open neither reads nor plots";
    }
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(FileCommandTest, ExitClosesTheWindowAfterTheCommandReturns)
{
    window.menuItem("FileExitItem")->trigger();
    EXPECT_TRUE(ui.closeRequested());
    EXPECT_TRUE(window.isVisible()) << "the close waits until the command has finished";
    for (int i = 0; i < 100 && window.isVisible(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
