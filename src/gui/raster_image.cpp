#include "gui/raster_image.h"

QRgb toQRgb(Colour colour)
{
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QImage rasterToImage(const Raster& raster)
{
    const int width = raster.width();
    const int height = raster.height();
    if (!raster.palette().empty()) {
        QImage image(width, height, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (Colour colour : raster.palette())
            table.append(toQRgb(colour));
        image.setColorTable(table);
        for (int y = 0; y < height; ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < width; ++x)
                line[x] = raster.index(x, y);
        }
        return image;
    }
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = toQRgb(raster.pixel(x, y));
    }
    return image;
}
