// The About box and its picture, decoded with libjpeg from the bytes built into the program.
#include "window_fixture.h"

#include "gui/about_box.h"
#include "gui/about_picture.h"
#include "gui/jpeg_image.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

using AboutTest = WindowFixture;

TEST_F(AboutTest, TheHelpMenuOpensTheBoxModallyAndOkClosesIt)
{
    ui.setDialogRunner([](QDialog& dialog) { return dialog.exec(); });
    bool wasUp = false;
    QTimer::singleShot(0, [&] {
        auto* box = dynamic_cast<AboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        wasUp = box->isVisible();
        QTest::mouseClick(box->okButton(), Qt::LeftButton);
    });
    window.menuItem("HelpAboutItem")->trigger();
    EXPECT_TRUE(wasUp);
    EXPECT_FALSE(ui.aboutBox().isVisible());
    EXPECT_EQ(ui.aboutBox().result(), QDialog::Accepted);
}

TEST_F(AboutTest, EscapeClosesTheBoxToo)
{
    ui.setDialogRunner([](QDialog& dialog) { return dialog.exec(); });
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    window.menuItem("HelpAboutItem")->trigger();
    EXPECT_FALSE(ui.aboutBox().isVisible());
}

TEST_F(AboutTest, TheBoxIsLaidOutAsDesigned)
{
    AboutBox& box = ui.aboutBox();
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.size(), QSize(624, 363));
    EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "a fixed dialog border";
    EXPECT_FALSE(box.isVisible()) << "created hidden";

    QWidget* panel = box.findChild<QWidget*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(8, 0, 609, 353));
    EXPECT_EQ(box.programIcon()->geometry(), QRect(8, 8, 241, 329));
    ASSERT_FALSE(box.programIcon()->pixmap().isNull());
    EXPECT_EQ(box.programIcon()->pixmap().size(), QSize(241, 329));

    const std::pair<const char*, QString> labels[] = {
        {"ProductName", QStringLiteral(u"specdesk \u2014 spectrum desk")},
        {"Version", QStringLiteral("Version 2")},
        {"Copyright", QStringLiteral(u"\u00a9 2026 the specdesk developers")},
    };
    int top = 16;
    for (const auto& [name, text] : labels) {
        auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text) << name;
        EXPECT_EQ(label->pos(), QPoint(288, top)) << name;
        top += 16;
    }
    EXPECT_EQ(box.richEdit()->geometry(), QRect(280, 104, 313, 145));
    EXPECT_TRUE(box.richEdit()->isReadOnly());
    EXPECT_TRUE(box.richEdit()->toPlainText().contains("specdesk"));
    EXPECT_EQ(box.okButton()->text(), "OK");
    EXPECT_EQ(box.okButton()->geometry(), QRect(288, 298, 65, 33));
    EXPECT_TRUE(box.okButton()->isDefault());
}

TEST(AboutPicture, IsAJpegOfTheDesignedSizeThatIsNotBlank)
{
    const auto jpeg = aboutPictureJpeg();
    ASSERT_GT(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    const QImage picture = decodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_EQ(picture.size(), QSize(241, 329));
    EXPECT_NE(picture.pixel(0, 0), picture.pixel(120, 60)) << "the spectrum band is drawn";
}

TEST(DecodeJpeg, BytesThatAreNoJpegGiveANullImageInsteadOfEndingTheProgram)
{
    const auto jpeg = aboutPictureJpeg();
    const std::vector<unsigned char> header(jpeg.begin(), jpeg.begin() + 200);
    const std::vector<unsigned char> garbage{'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    const std::vector<unsigned char> startOnly{0xFF, 0xD8, 0x12, 0x34};

    EXPECT_TRUE(decodeJpeg(garbage.data(), garbage.size()).isNull());
    EXPECT_TRUE(decodeJpeg(header.data(), header.size()).isNull()) << "cut inside the headers";
    EXPECT_TRUE(decodeJpeg(startOnly.data(), startOnly.size()).isNull()) << "a start marker and no image";
    EXPECT_TRUE(decodeJpeg(nullptr, 0).isNull());
}

} // namespace
