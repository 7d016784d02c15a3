#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

/** @brief The About box: the program's picture, name, version and makers. It is created once at
 * start, hidden, and shown modally on demand. */
class AboutBox : public QDialog {
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* programIcon() const { return programIcon_; }
    QPushButton* okButton() const { return okButton_; }
    QTextEdit* richEdit() const { return richEdit_; }

    /** @brief Puts the box in the middle of the screen it will show on. */
    void centreOnScreen();

private:
    QLabel* programIcon_;
    QPushButton* okButton_;
    QTextEdit* richEdit_;
};
