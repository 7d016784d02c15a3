#pragma once

#include <QObject>

#include <functional>

/** @brief Calls back when a mouse button is released over the watched widget, with the position in
 * that widget's pixels. A release outside the widget (after a press inside) does not count. */
class MouseReleaseFilter : public QObject {
public:
    using Callback = std::function<void(int x, int y)>;

    MouseReleaseFilter(QObject* parent, Callback callback) : QObject(parent), callback_(std::move(callback)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Callback callback_;
};
