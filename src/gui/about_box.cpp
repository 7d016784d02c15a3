#include "gui/about_box.h"

#include "gui/about_picture.h"
#include "gui/jpeg_image.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(624, 363);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 0, 609, 353);

    programIcon_ = new QLabel(panel);
    programIcon_->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon_->setGeometry(8, 8, 241, 329);
    const auto jpeg = aboutPictureJpeg();
    programIcon_->setPixmap(QPixmap::fromImage(decodeJpeg(jpeg.data(), jpeg.size())));

    const auto label = [panel](const char* name, const QString& text, int top) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        l->move(288, top);
        l->adjustSize();
    };
    label("ProductName", QStringLiteral(u"specdesk \u2014 spectrum desk"), 16);
    label("Version", QStringLiteral("Version 2"), 32);
    label("Copyright", QStringLiteral(u"\u00a9 2026 the specdesk developers"), 48);

    richEdit_ = new QTextEdit(panel);
    richEdit_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit_->setGeometry(280, 104, 313, 145);
    richEdit_->setReadOnly(true);
    richEdit_->setHtml(QStringLiteral(
        "<p><b>specdesk</b> is a desk for one-dimensional astronomical spectra: it reads spectrum "
        "tables, plots them, fits and removes the continuum, corrects for red shift and hands "
        "plots to the wavelength calibrator.</p>"
        "<p>Written and maintained by the specdesk developers.</p>"
        "<p>JPEG decoding by the Independent JPEG Group's library.</p>"));

    okButton_ = new QPushButton(QStringLiteral("OK"), panel);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setGeometry(288, 298, 65, 33);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::centreOnScreen()
{
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
