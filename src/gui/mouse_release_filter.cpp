#include "gui/mouse_release_filter.h"

#include <QMouseEvent>
#include <QWidget>

bool MouseReleaseFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (widget != nullptr && widget->rect().contains(at))
            callback_(at.x(), at.y());
    }
    return QObject::eventFilter(watched, event);
}
