#include "gui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <array>

namespace {

const QColor Ink(0, 0, 0);
const QColor Paper(255, 255, 255);
const QColor Navy(0, 0, 128);
const QColor Teal(0, 128, 128);
const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor Yellow(255, 255, 0);
const QColor Olive(128, 128, 0);
const QColor Maroon(128, 0, 0);
const QColor Red(255, 0, 0);

// A sheet of paper with a folded corner.
void page(QPainter& p, int left, int top, int width, int height)
{
    const QPolygon outline({QPoint(left, top), QPoint(left + width - 4, top),
                            QPoint(left + width - 1, top + 3), QPoint(left + width - 1, top + height - 1),
                            QPoint(left, top + height - 1)});
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawPolygon(outline);
    p.drawLine(left + width - 4, top, left + width - 4, top + 3);
    p.drawLine(left + width - 4, top + 3, left + width - 1, top + 3);
}

void textLines(QPainter& p, int left, int top, int width, int count)
{
    p.setPen(Grey);
    for (int i = 0; i < count; ++i)
        p.drawLine(left, top + 2 * i, left + width - 1, top + 2 * i);
}

void drawCut(QPainter& p)
{
    p.setPen(QPen(Grey, 1));
    p.drawLine(5, 1, 9, 9);
    p.drawLine(10, 1, 6, 9);
    p.setPen(QPen(Navy, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2.5, 9.5, 4, 4));
    p.drawEllipse(QRectF(8.5, 9.5, 4, 4));
}

void drawCopy(QPainter& p)
{
    page(p, 1, 1, 9, 11);
    textLines(p, 3, 5, 5, 3);
    page(p, 6, 4, 9, 11);
    textLines(p, 8, 8, 5, 3);
}

void drawPaste(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Olive);
    p.drawRect(1, 2, 10, 12);
    p.setBrush(Silver);
    p.drawRect(4, 1, 4, 2);
    page(p, 6, 6, 9, 9);
    textLines(p, 8, 10, 5, 2);
}

void drawUndo(QPainter& p)
{
    p.setPen(QPen(Navy, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(4, 4, 9, 8), 90 * 16, -200 * 16);
    p.setPen(Navy);
    p.setBrush(Navy);
    p.drawPolygon(QPolygon({QPoint(1, 5), QPoint(7, 1), QPoint(7, 9)}));
}

void drawDelete(QPainter& p)
{
    p.setPen(QPen(Red, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(3, 3, 12, 12);
    p.drawLine(12, 3, 3, 12);
}

void drawFind(QPainter& p)
{
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 8, 8));
    p.setPen(QPen(Maroon, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(10, 10, 14, 14);
}

void drawNew(QPainter& p)
{
    page(p, 3, 1, 10, 14);
}

void drawOpen(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Yellow);
    p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(5, 4), QPoint(6, 5), QPoint(12, 5), QPoint(12, 13),
                            QPoint(1, 13)}));
    p.setBrush(Olive);
    p.drawPolygon(QPolygon({QPoint(1, 13), QPoint(4, 8), QPoint(15, 8), QPoint(12, 13)}));
    p.setPen(QPen(Navy, 1));
    p.drawArc(QRect(8, 0, 7, 6), 0, 180 * 16);
    p.drawLine(15, 3, 13, 2);
}

void drawSave(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Teal);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Paper);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(Silver);
    p.drawRect(4, 9, 7, 5);
    p.fillRect(8, 10, 2, 3, Ink);
}

void drawPrint(QPainter& p)
{
    page(p, 4, 1, 8, 7);
    p.setPen(Ink);
    p.setBrush(Silver);
    p.drawRect(1, 7, 13, 6);
    p.fillRect(11, 9, 2, 1, QColor(0, 192, 0));
    p.setBrush(Paper);
    p.drawRect(4, 12, 7, 3);
}

void drawHelp(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Yellow);
    p.drawEllipse(1, 1, 13, 13);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Navy);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void drawInformation(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(1, 1, 13, 13);
    p.fillRect(7, 3, 2, 2, Paper);
    p.fillRect(7, 6, 2, 6, Paper);
}

void drawExit(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Maroon);
    p.drawRect(2, 1, 8, 14);
    p.fillRect(8, 8, 1, 1, Yellow);
    p.setPen(QPen(Navy, 2));
    p.drawLine(9, 8, 14, 8);
    p.setPen(Navy);
    p.setBrush(Navy);
    p.drawPolygon(QPolygon({QPoint(15, 8), QPoint(12, 5), QPoint(12, 11)}));
}

void window(QPainter& p, const QRect& frame)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(frame);
    p.fillRect(frame.left() + 1, frame.top() + 1, frame.width() - 1, 2, Navy);
}

void drawCascade(QPainter& p)
{
    window(p, QRect(1, 1, 9, 8));
    window(p, QRect(3, 4, 9, 8));
    window(p, QRect(5, 7, 9, 8));
}

void drawTile(QPainter& p)
{
    window(p, QRect(1, 1, 6, 13));
    window(p, QRect(8, 1, 6, 13));
}

using Drawing = void (*)(QPainter&);
constexpr std::array<Drawing, ImageListCount> drawings{
    drawCut,  drawCopy,  drawPaste, drawUndo,        drawDelete, drawFind,    drawNew,     drawOpen,
    drawSave, drawPrint, drawHelp,  drawInformation, drawExit,   drawCascade, drawTile,
};

QPixmap paint(void (*draw)(QPainter&))
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    return pixmap;
}

void drawLeftArrow(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(QColor(0, 128, 0));
    p.drawPolygon(QPolygon({QPoint(1, 8), QPoint(7, 2), QPoint(7, 5), QPoint(14, 5), QPoint(14, 11),
                            QPoint(7, 11), QPoint(7, 14)}));
}

void drawRightArrow(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(QColor(0, 128, 0));
    p.drawPolygon(QPolygon({QPoint(14, 8), QPoint(8, 2), QPoint(8, 5), QPoint(1, 5), QPoint(1, 11),
                            QPoint(8, 11), QPoint(8, 14)}));
}

} // namespace

QPixmap imageListPicture(int index)
{
    if (index < 0 || index >= ImageListCount)
        return {};
    return paint(drawings[static_cast<std::size_t>(index)]);
}

QIcon imageListIcon(int index)
{
    const QPixmap picture = imageListPicture(index);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

QIcon leftArrowIcon()
{
    return QIcon(paint(drawLeftArrow));
}

QIcon rightArrowIcon()
{
    return QIcon(paint(drawRightArrow));
}
