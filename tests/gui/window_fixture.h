#pragma once

#include "gui/main_window.h"
#include "gui/qt_ui_services.h"
#include "support/temp_drive.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QFileDialog;
class QMessageBox;

/**
 * @brief The real window on a drive of its own. Modal dialogs do not wait for a user: each one is
 * answered by the next queued answer, which may inspect and fill in the dialog; a dialog nobody
 * expected fails the test and is cancelled. `seen` describes every dialog that came up.
 */
class WindowFixture : public ::testing::Test {
protected:
    using DialogAnswer = std::function<int(QDialog&)>;

    WindowFixture();

    /** @brief Answers the next dialog with `answer`. */
    void answerNext(DialogAnswer answer) { answers_.push_back(std::move(answer)); }
    /** @brief Answers the next file dialog by choosing `path`. */
    void chooseFile(const std::filesystem::path& path);
    /** @brief Answers the next dialog by cancelling it. */
    void cancelNext();
    /** @brief Answers the next message box with OK. */
    void acknowledgeNext();

    /** @brief A file in the test's own folder with the given bytes. */
    std::filesystem::path writeTable(const std::string& name, const std::string& bytes);

    template <typename Widget>
    Widget* widget(std::string_view name)
    {
        auto* w = dynamic_cast<Widget*>(window.widget(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    /** @brief Clicks a control's widget with the mouse. */
    void clickControl(std::string_view name);
    /** @brief Lets the event loop run until both table editors hold their whole tables. */
    void finishTableFills();
    /** @brief The text a table editor shows, once it holds its whole table. */
    QString editorText(std::string_view name);
    /** @brief Whether a control's widget is shown (within its parent). */
    bool shown(std::string_view name);

    TempDrive drive;
    QtUiServices ui;
    std::unique_ptr<App> app;
    MainWindow window;
    std::vector<std::string> seen;

private:
    int answer(QDialog& dialog);
    std::deque<DialogAnswer> answers_;
};

/** @brief A one-line description of a dialog: "message: TEXT", "error: TEXT", "confirm: TEXT",
 * "open-dialog: [SUFFIX] [NAME]", "save-dialog: ...", "about". */
std::string describeDialog(QDialog& dialog);
