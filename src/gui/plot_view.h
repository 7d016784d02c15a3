#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

/** @brief The plot picture: shows its image unscaled from the top-left corner, clipped to the
 * control, under a cross-hair cursor. */
class PlotView : public QWidget {
public:
    explicit PlotView(QWidget* parent = nullptr);

    void setImage(QImage image);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QPixmap shown_; // the image converted once for the screen, not at every paint
};
