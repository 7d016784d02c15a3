#pragma once

#include "platform/drive_mapping.h"
#include "platform/ui_services.h"

#include <QPointer>

#include <functional>
#include <memory>

class AboutBox;
class HelpWindow;
class QDialog;
class QWidget;

/**
 * @brief The user-interface services of the window program: real message boxes, file dialogs, the
 * About box and the help window. Every modal dialog runs through one replaceable runner, so tests can
 * answer a dialog (inspect it, fill it in, return its result) without a user.
 */
class QtUiServices : public UiServices {
public:
    /** @brief Runs a modal dialog and returns its result code (QDialog::exec by default). */
    using DialogRunner = std::function<int(QDialog&)>;

    explicit QtUiServices(DriveMapping drive);
    ~QtUiServices() override;
    QtUiServices(const QtUiServices&) = delete;
    QtUiServices& operator=(const QtUiServices&) = delete;

    /** @brief The main window: the parent of the dialogs and what closeMainWindow closes. */
    void attachWindow(QWidget* window);
    void setDialogRunner(DialogRunner runner);
    /** @brief Whether a command asked to close the main window (start-up may ask before it shows). */
    bool closeRequested() const { return closeRequested_; }

    AboutBox& aboutBox() { return *about_; }
    HelpWindow& helpWindow();

    void showMessage(const std::string& text) override;
    void reportError(const std::string& text) override;
    Answer confirm(const std::string& question) override;
    std::optional<std::string> openDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveDialog(const FileDialogRequest& request) override;
    void closeMainWindow() override;
    void startProgram(const std::string& commandLine, int showMode) override;
    void showHelp(const std::string& helpFile) override;
    void openBrowser(const std::string& url) override;
    void showAbout() override;

private:
    std::optional<std::string> fileDialog(bool save, const FileDialogRequest& request);

    DriveMapping drive_;
    DialogRunner runDialog_;
    QPointer<QWidget> window_;
    std::unique_ptr<AboutBox> about_;
    // A child of the main window, which deletes it; created on first use.
    QPointer<HelpWindow> help_;
    bool closeRequested_ = false;
};

/** @brief The default suffix a file dialog uses for a handler's default extension: the extension
 * when it is one plain word ("bmp"), else none ("TABLE TEXT" names a kind of file, not a suffix). */
QString dialogDefaultSuffix(const std::string& defaultExtension);
