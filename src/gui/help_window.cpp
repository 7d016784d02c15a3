#include "gui/help_window.h"

#include "gui/latin1_text.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("specdesk Help"));
    resize(640, 480);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpWindow::showFile(const FilePath& file)
{
    QFile help(QFile::decodeName(QByteArray::fromStdString(file.native.string())));
    if (help.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(help.readAll());
        browser_->setSearchPaths({QFile::decodeName(QByteArray::fromStdString(file.native.parent_path().string()))});
        if (Qt::mightBeRichText(text))
            browser_->setHtml(text);
        else
            browser_->setPlainText(text);
    } else {
        browser_->setPlainText(QStringLiteral("The help file %1 cannot be opened: %2.")
                                   .arg(messageText(file.shown), help.errorString()));
    }
    show();
    raise();
    activateWindow();
}
