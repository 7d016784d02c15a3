// Widgets as views of the controls model: what the user sets reaches the handlers, and what the
// handlers set reaches the widgets.
#include "window_fixture.h"

#include "gui/plot_view.h"
#include "platform/app_error.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

class BindingTest : public WindowFixture {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    std::vector<bool> radioWidgets()
    {
        std::vector<bool> checked;
        for (const char* name : RadioNames)
            checked.push_back(widget<QRadioButton>(name)->isChecked());
        return checked;
    }
    std::vector<bool> radioModel()
    {
        std::vector<bool> checked;
        for (const char* name : RadioNames)
            checked.push_back(app->controls.find(name)->checked);
        return checked;
    }

    static constexpr const char* RadioNames[] = {"RadioButton1", "RadioButton2", "RadioButton4", "RadioButton5",
                                                 "RadioButton6"};
};

TEST_F(BindingTest, TheFiveRadioButtonsAreOneExclusiveGroupStartingWithNoneSelected)
{
    const std::vector<bool> none(5, false);
    EXPECT_EQ(radioWidgets(), none);
    EXPECT_EQ(window.radioGroup()->buttons().size(), 5);

    clickControl("RadioButton4");
    EXPECT_EQ(radioWidgets(), (std::vector<bool>{false, false, true, false, false}));
    EXPECT_EQ(radioModel(), radioWidgets());

    clickControl("RadioButton1"); // selecting "abstraction " clears the open-file method
    EXPECT_EQ(radioWidgets(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_EQ(radioModel(), radioWidgets());

    // The model may clear all five; the widgets follow although the group is exclusive.
    window.run([](App& a) {
        for (Control* radio : a.controls.radioGroup())
            radio->checked = false;
    });
    EXPECT_EQ(radioWidgets(), none);
    window.run([](App& a) { a.controls.selectRadio(a.controls.RadioButton6); });
    EXPECT_EQ(radioWidgets(), (std::vector<bool>{false, false, false, false, true}));

    clickControl("RadioButton2"); // still exclusive after the model changed it
    EXPECT_EQ(radioWidgets(), (std::vector<bool>{false, true, false, false, false}));
}

TEST_F(BindingTest, PreplotReadsWhatTheUserTypedAndTickedAndShowsItsResults)
{
    // The user types a table into the left table, ticks "PLOT THIS DATA" and presses "Preplot".
    auto* left = widget<QPlainTextEdit>("Memo2");
    left->setFocus();
    left->selectAll();
    QTest::keyClicks(left, QStringLiteral("7000 2"));
    QTest::keyClick(left, Qt::Key_Return);
    QTest::keyClicks(left, QStringLiteral("7010 8"));
    QTest::keyClick(left, Qt::Key_Return);
    QTest::keyClicks(left, QStringLiteral("7020 4"));
    clickControl("CheckBox11");
    EXPECT_TRUE(app->controls.CheckBox11.checked);

    clickControl("Button1");

    EXPECT_EQ(app->controls.Memo2.lines.count(), 3);
    EXPECT_EQ(app->state.PointCount, 3);
    EXPECT_EQ(widget<QLabel>("StaticText1")->text(), "Min X=7000");
    EXPECT_EQ(widget<QLabel>("StaticText3")->text(), "Max X=7020");
    EXPECT_EQ(widget<QLineEdit>("Edit3")->text(), "10");
    EXPECT_TRUE(shown("Button10"));
    EXPECT_EQ(editorText("Memo1"), "Memo1") << "the right table is untouched";
    EXPECT_TRUE(seen.empty());
}

TEST_F(BindingTest, AnEditedAxisValueReachesItsOkButtonAndARefusedOneIsReported)
{
    auto* start = widget<QLineEdit>("Edit2");
    start->setFocus();
    QTest::keyClicks(start, QStringLiteral("12.5"));
    clickControl("Button3");
    EXPECT_EQ(app->state.XStart, 12.5L);
    EXPECT_EQ(start->text(), "12,5") << "the handler's rewriting of the edit text is shown";

    start->selectAll();
    QTest::keyClicks(start, QStringLiteral("abc"));
    acknowledgeNext();
    clickControl("Button3");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].starts_with("error: ")) << seen[0];
    EXPECT_EQ(app->state.XStart, 12.5L);
}

TEST_F(BindingTest, TheErrorReportIsAModalBoxAndTheProgramGoesOn)
{
    // The real dialog, closed by pressing its OK button once it is up.
    ui.setDialogRunner([](QDialog& dialog) { return dialog.exec(); });
    std::string boxText;
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxText = box->text().toStdString();
        boxIcon = box->icon();
        wasModal = box->isModal();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    window.run([](App& a) {
        a.controls.Edit2.text = "moved";
        throw FileError("Cannot open file \"C://VELK//F.txt\". No such file or directory");
    });
    EXPECT_EQ(boxText, "Cannot open file \"C://VELK//F.txt\". No such file or directory");
    EXPECT_EQ(boxIcon, QMessageBox::Critical);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "moved") << "what the command did stays done";
    EXPECT_TRUE(window.isVisible());
}

TEST_F(BindingTest, AMouseReleaseOverThePlotOrTheXLabelPicksAPoint)
{
    window.start({writeTable("picked.txt", "6000 1\r\n6010 3\r\n6020 2\r\n").string()});
    const QImage before = widget<PlotView>("Image1")->image();
    // Clicks go to the window as the platform delivers them, so Qt picks the receiving control.
    const auto clickAt = [this](const char* control, QPoint at) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          window.widget(control)->mapTo(&window, at));
    };

    clickAt("Image1", QPoint(400, 300));
    EXPECT_EQ(app->state.PickCount, 1);
    EXPECT_EQ(widget<QLabel>("Label13")->text(), "k fit=1");
    const QImage after = widget<PlotView>("Image1")->image();
    EXPECT_NE(after, before);
    EXPECT_EQ(after.pixel(400, 295), qRgb(0, 0, 255)) << "a blue cross at the release point";

    clickAt("Label9", QPoint(5, 5));
    EXPECT_EQ(app->state.PickCount, 2);
    EXPECT_EQ(widget<QLabel>("Label13")->text(), "k fit=2");
    EXPECT_TRUE(widget<QLabel>("Label9")->text().startsWith("X="));
    EXPECT_EQ(widget<PlotView>("Image1")->image().pixel(5, 0), qRgb(0, 0, 255)) << "its cross at (5, 5)";

    clickAt("Label10", QPoint(5, 5));
    EXPECT_EQ(app->state.PickCount, 2) << "other labels pick nothing";
}

TEST_F(BindingTest, CutCopyAndPasteActOnTheFocusedText)
{
    QApplication::clipboard()->clear();
    auto* title = widget<QLineEdit>("Edit8");
    title->setFocus();
    title->selectAll();
    clickControl("ToolButton5"); // copy
    EXPECT_EQ(QApplication::clipboard()->text(), "TITLE");

    auto* bottomTitle = widget<QLineEdit>("Edit4");
    bottomTitle->setFocus();
    bottomTitle->selectAll();
    window.menuItem("CutItem")->trigger();
    EXPECT_EQ(bottomTitle->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "TOP");

    auto* right = widget<QPlainTextEdit>("Memo1");
    right->setFocus();
    right->moveCursor(QTextCursor::End);
    clickControl("ToolButton6"); // paste
    EXPECT_EQ(right->toPlainText(), "Memo1TOP");
    window.run([](App&) {});
    EXPECT_EQ(app->controls.Memo1.lines.line(0), "Memo1TOP");
    EXPECT_EQ(app->controls.Edit4.text, "");
}

} // namespace
