// The plot raster as the picture control shows it.
#include "gui/raster_image.h"

#include "platform/raster.h"

#include <gtest/gtest.h>

namespace {

struct ColourCase {
    Colour colour;
    QRgb shown;
};

const ColourCase Colours[] = {
    {colours::Black, qRgb(0, 0, 0)},   {colours::Red, qRgb(255, 0, 0)},       {colours::Green, qRgb(0, 128, 0)},
    {colours::Blue, qRgb(0, 0, 255)},  {colours::White, qRgb(255, 255, 255)}, {0x123456, qRgb(0x56, 0x34, 0x12)},
};

TEST(RasterImage, ColourValuesHoldBlueGreenRedFromTheHighByteDown)
{
    for (const ColourCase& c : Colours)
        EXPECT_EQ(toQRgb(c.colour), c.shown) << std::hex << c.colour;
}

TEST(RasterImage, APaletteRasterKeepsSizeAndEveryPixelsColour)
{
    Raster raster = Raster::blank16Colour(7, 5);
    raster.setPixel(0, 0, colours::Red);
    raster.setPixel(6, 4, colours::Blue);
    raster.setPixel(3, 2, colours::Green);
    const QImage image = rasterToImage(raster);
    ASSERT_EQ(image.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(image.pixel(x, y), toQRgb(raster.pixel(x, y))) << x << "," << y;
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(6, 4), qRgb(0, 0, 255));
}

TEST(RasterImage, ATrueColourRasterKeepsColoursOutsideAnyPalette)
{
    Raster raster(3, 2, 24, {});
    raster.setPixel(1, 1, 0x123456);
    raster.setPixel(2, 0, colours::White);
    const QImage image = rasterToImage(raster);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
}

} // namespace
