// The Qt user-interface services: message boxes, the confirmation box, file dialogs, help.
#include "window_fixture.h"

#include "gui/help_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

using DialogTest = WindowFixture;

struct ConfirmCase {
    const char* name;
    std::function<void(QMessageBox&)> user;
    Answer expected;
};

class ConfirmTest : public WindowFixture, public ::testing::WithParamInterface<ConfirmCase> {};

TEST_P(ConfirmTest, TheRealBoxAnswersWithTheButtonTheUserChose)
{
    ui.setDialogRunner([](QDialog& dialog) { return dialog.exec(); });
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        GetParam().user(*box);
    });
    EXPECT_EQ(ui.confirm("Save the plot?"), GetParam().expected);
    EXPECT_EQ(icon, QMessageBox::Question);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ConfirmTest,
    ::testing::Values(
        ConfirmCase{"Yes", [](QMessageBox& b) { b.button(QMessageBox::Yes)->click(); }, Answer::Yes},
        ConfirmCase{"No", [](QMessageBox& b) { b.button(QMessageBox::No)->click(); }, Answer::No},
        ConfirmCase{"Cancel", [](QMessageBox& b) { b.button(QMessageBox::Cancel)->click(); }, Answer::Cancel},
        ConfirmCase{"Escape", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, Answer::Cancel},
        ConfirmCase{"CloseBox", [](QMessageBox& b) { b.close(); }, Answer::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, MessagesShowTheirTextExactlyAsPlainText)
{
    acknowledgeNext();
    acknowledgeNext();
    ui.showMessage("LOADED LEFT TABLE");
    ui.showMessage("<b>not bold</b>");
    EXPECT_EQ(seen, (std::vector<std::string>{"message: LOADED LEFT TABLE", "message: <b>not bold</b>"}));
}

TEST(DialogDefaultSuffix, OnlyAPlainWordIsASuffix)
{
    EXPECT_EQ(dialogDefaultSuffix("bmp"), "bmp");
    EXPECT_EQ(dialogDefaultSuffix("txt"), "txt");
    EXPECT_EQ(dialogDefaultSuffix(""), "");
    EXPECT_EQ(dialogDefaultSuffix("TABLE TEXT"), "");
    EXPECT_EQ(dialogDefaultSuffix("GRAPHIC - BMP"), "");
    EXPECT_EQ(dialogDefaultSuffix(".bmp"), "");
}

TEST_F(DialogTest, SaveDialogAddsAPlainSuffixAndReturnsTheChosenPath)
{
    answerNext([&](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        files.selectFile(QString::fromStdString((drive.root() / "plot").string()));
        return static_cast<int>(QDialog::Accepted);
    });
    const auto chosen = ui.saveDialog({"bmp", "*.BMP"});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (drive.root() / "plot.bmp").string());
    EXPECT_EQ(seen, (std::vector<std::string>{"save-dialog: [bmp] [*.BMP]"}));

    cancelNext();
    EXPECT_FALSE(ui.saveDialog({"TEXT - TXT", "*.txt"}).has_value());
}

TEST_F(DialogTest, HelpShowsTheHelpFileOrSaysInsideTheWindowThatItIsMissing)
{
    writeFileBytes(drive.native("C://VELK//KOLDAR//h1.hlp"), "<html><body><h1>Spectrum desk</h1></body></html>");
    window.menuItem("Help2")->trigger();
    HelpWindow& help = ui.helpWindow();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.browser()->toPlainText(), "Spectrum desk");

    std::filesystem::remove(drive.native("C://VELK//KOLDAR//h1.hlp"));
    window.menuItem("Help2")->trigger();
    EXPECT_TRUE(help.browser()->toPlainText().startsWith("The help file C://VELK//KOLDAR//h1.hlp cannot be opened"))
        << help.browser()->toPlainText().toStdString();
    EXPECT_TRUE(seen.empty()) << "no message box: the program goes on";
    help.close();
}

} // namespace
