#pragma once

#include "platform/file_path.h"

#include <QDialog>

class QTextBrowser;

/** @brief The program's help window: shows a help file's contents (HTML or plain text). A file that
 * cannot be read is reported inside the window itself. */
class HelpWindow : public QDialog {
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showFile(const FilePath& file);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};
