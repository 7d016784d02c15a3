#include "window_fixture.h"

#include "gui/about_box.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QRadioButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

std::string describeDialog(QDialog& dialog)
{
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        const char* kind = box->icon() == QMessageBox::Critical   ? "error: "
                           : box->icon() == QMessageBox::Question ? "confirm: "
                                                                  : "message: ";
        return kind + box->text().toStdString();
    }
    if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        const char* kind = files->acceptMode() == QFileDialog::AcceptSave ? "save-dialog: [" : "open-dialog: [";
        const auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        return kind + files->defaultSuffix().toStdString() + "] [" +
               (name != nullptr ? name->text().toStdString() : std::string("?")) + "]";
    }
    if (dynamic_cast<AboutBox*>(&dialog) != nullptr)
        return "about";
    return "dialog: " + dialog.windowTitle().toStdString();
}

WindowFixture::WindowFixture()
    : ui(drive.mapping()), app(makeApp(ui, drive.mapping(), '.')), window(*app, ui)
{
    ui.setDialogRunner([this](QDialog& dialog) { return answer(dialog); });
}

int WindowFixture::answer(QDialog& dialog)
{
    seen.push_back(describeDialog(dialog));
    if (answers_.empty()) {
        ADD_FAILURE() << "a dialog nobody expected came up: " << seen.back();
        return QDialog::Rejected;
    }
    DialogAnswer next = std::move(answers_.front());
    answers_.pop_front();
    return next(dialog);
}

void WindowFixture::chooseFile(const std::filesystem::path& path)
{
    answerNext([path](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        files.selectFile(QString::fromStdString(path.string()));
        return static_cast<int>(QDialog::Accepted);
    });
}

void WindowFixture::cancelNext()
{
    answerNext([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
}

void WindowFixture::acknowledgeNext()
{
    answerNext([](QDialog&) { return static_cast<int>(QMessageBox::Ok); });
}

std::filesystem::path WindowFixture::writeTable(const std::string& name, const std::string& bytes)
{
    const std::filesystem::path path = drive.root() / name;
    writeFileBytes(path, bytes);
    return path;
}

void WindowFixture::clickControl(std::string_view name)
{
    QWidget* w = window.widget(name);
    ASSERT_NE(w, nullptr) << name;
    ASSERT_TRUE(w->isEnabled()) << name;
    // A check box or radio button reacts to its mark and caption only, at its left end.
    const bool marked = qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w) != nullptr;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(marked ? 8 : w->width() / 2, w->height() / 2));
}

void WindowFixture::finishTableFills()
{
    // An editor is read-only exactly while it is being filled; every turn appends some lines, so
    // the cap is only reached when a fill never ends.
    constexpr int MaxTurns = 100000;
    for (const char* name : {"Memo1", "Memo2"}) {
        auto* editor = widget<QPlainTextEdit>(name);
        int turns = 0;
        while (editor != nullptr && editor->isReadOnly() && turns++ < MaxTurns)
            QCoreApplication::processEvents();
        EXPECT_LT(turns, MaxTurns) << name << " is never filled";
    }
}

QString WindowFixture::editorText(std::string_view name)
{
    finishTableFills();
    auto* editor = widget<QPlainTextEdit>(name);
    return editor != nullptr ? editor->toPlainText() : QString();
}

bool WindowFixture::shown(std::string_view name)
{
    QWidget* w = window.widget(name);
    return w != nullptr && w->isVisibleTo(w->parentWidget());
}
