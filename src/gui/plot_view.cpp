#include "gui/plot_view.h"

#include <QPaintEvent>
#include <QPainter>

PlotView::PlotView(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotView::setImage(QImage image)
{
    image_ = std::move(image);
    shown_ = QPixmap::fromImage(image_);
    update();
}

void PlotView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Beyond the picture (a picture smaller than the control) the window's face shows.
    painter.fillRect(event->rect(), palette().window());
    painter.drawPixmap(QPoint(0, 0), shown_);
}
