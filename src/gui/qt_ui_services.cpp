#include "gui/qt_ui_services.h"

#include "gui/about_box.h"
#include "gui/help_window.h"
#include "gui/latin1_text.h"
#include "platform/program_launcher.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include <cctype>

namespace {

// The caption of the program's message boxes.
const QString BoxTitle = QStringLiteral("specdesk");

void plainTextBox(QMessageBox& box, const std::string& text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(messageText(text));
}

} // namespace

QString dialogDefaultSuffix(const std::string& defaultExtension)
{
    if (defaultExtension.empty())
        return {};
    for (unsigned char c : defaultExtension)
        if (!std::isalnum(c))
            return {};
    return QString::fromLatin1(defaultExtension.data(), static_cast<qsizetype>(defaultExtension.size()));
}

QtUiServices::QtUiServices(DriveMapping drive)
    : drive_(std::move(drive)), runDialog_([](QDialog& dialog) { return dialog.exec(); }),
      about_(std::make_unique<AboutBox>())
{
}

QtUiServices::~QtUiServices() = default;

void QtUiServices::attachWindow(QWidget* window)
{
    window_ = window;
}

void QtUiServices::setDialogRunner(DialogRunner runner)
{
    runDialog_ = std::move(runner);
}

HelpWindow& QtUiServices::helpWindow()
{
    if (help_.isNull())
        help_ = new HelpWindow(window_.data());
    return *help_;
}

void QtUiServices::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, BoxTitle, QString(), QMessageBox::Ok, window_.data());
    plainTextBox(box, text);
    runDialog_(box);
}

void QtUiServices::reportError(const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, BoxTitle, QString(), QMessageBox::Ok, window_.data());
    plainTextBox(box, text);
    runDialog_(box);
}

Answer QtUiServices::confirm(const std::string& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_.data());
    plainTextBox(box, question);
    box.setDefaultButton(QMessageBox::Yes);
    // Escape and the close box answer Cancel.
    box.setEscapeButton(QMessageBox::Cancel);
    switch (runDialog_(box)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<std::string> QtUiServices::fileDialog(bool save, const FileDialogRequest& request)
{
    QFileDialog dialog(window_.data(), save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The design's filter "All Files (*.*)" means every file; here "*.*" would hide names without
    // a dot, so the pattern is "*".
    dialog.setNameFilter(QStringLiteral("All Files (*)"));
    // The handlers' save commands overwrite without asking, as the design's dialog does.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(dialogDefaultSuffix(request.defaultExtension));
    // An initial name such as "*.txt" goes into the name box, where it works as a filter.
    if (!request.fileName.empty())
        dialog.selectFile(messageText(request.fileName));
    if (runDialog_(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return QFile::encodeName(chosen.front()).toStdString();
}

std::optional<std::string> QtUiServices::openDialog(const FileDialogRequest& request)
{
    return fileDialog(false, request);
}

std::optional<std::string> QtUiServices::saveDialog(const FileDialogRequest& request)
{
    return fileDialog(true, request);
}

void QtUiServices::closeMainWindow()
{
    closeRequested_ = true;
    // Queued, so the running command finishes before the window goes.
    if (window_)
        QMetaObject::invokeMethod(window_.data(), &QWidget::close, Qt::QueuedConnection);
}

void QtUiServices::startProgram(const std::string& commandLine, int showMode)
{
    launchProgram(commandLine, showMode, drive_);
}

void QtUiServices::showHelp(const std::string& helpFile)
{
    helpWindow().showFile(drive_.map(helpFile));
}

void QtUiServices::openBrowser(const std::string& url)
{
    QDesktopServices::openUrl(QUrl(messageText(url)));
}

void QtUiServices::showAbout()
{
    about_->centreOnScreen();
    runDialog_(*about_);
}
