#include "platform/raster.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

TEST(Raster, StartPictureIsWhite800x600With16Colours)
{
    const Raster raster = Raster::blank16Colour();
    EXPECT_EQ(raster.width(), 800);
    EXPECT_EQ(raster.height(), 600);
    EXPECT_EQ(raster.bitsPerPixel(), 4);
    EXPECT_EQ(raster.palette(), standard16Palette());
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            ASSERT_EQ(raster.pixel(x, y), colours::White) << "at " << x << ", " << y;
    EXPECT_EQ(raster.index(799, 599), 15);
}

TEST(Raster, StandardPaletteHoldsTheSixteenColoursInOrder)
{
    const std::vector<Colour> expected{0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                       0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                       0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    EXPECT_EQ(standard16Palette(), expected);
}

struct QuantisationCase {
    const char* what;
    Colour colour;
    int expectedIndex;
};

TEST(Raster, PaletteColourIsTheNearestEntry)
{
    const QuantisationCase cases[] = {
        {"exact black", 0x000000, 0},
        {"exact white", 0xFFFFFF, 15},
        {"exact blue", colours::Blue, 12},
        {"exact green", colours::Green, 2},
        {"exact red", colours::Red, 9},
        {"almost black", 0x010101, 0},
        {"dark red nearer to red than maroon", 0x0000C0, 9},
        {"dark red nearer to maroon", 0x00009F, 1},
        {"tie black and maroon takes the first", 0x000040, 0},
        {"tie gray and silver takes the first", 0xA0A0A0, 7},
        {"light gray nearer to silver", 0xB0B0B0, 8},
        {"orange: tie olive and yellow takes the first", 0x0080FF, 3},
        {"high byte ignored", 0xFF808080, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nearestPaletteIndex(standard16Palette(), c.colour), c.expectedIndex) << c.what;
        Raster raster = Raster::blank16Colour(4, 3);
        raster.setPixel(2, 1, c.colour);
        EXPECT_EQ(raster.index(2, 1), c.expectedIndex) << c.what;
        EXPECT_EQ(raster.pixel(2, 1), standard16Palette()[static_cast<std::size_t>(c.expectedIndex)])
            << c.what;
    }
}

TEST(Raster, SmallPaletteQuantisesToItsOwnEntries)
{
    Raster raster(3, 1, 8, {0x112233, 0x0000FF});
    raster.setPixel(0, 0, 0x102030);
    raster.setPixel(1, 0, 0x0000EE);
    EXPECT_EQ(raster.pixel(0, 0), 0x112233u);
    EXPECT_EQ(raster.pixel(1, 0), 0x0000FFu);
    EXPECT_EQ(raster.pixel(2, 0), 0x112233u) << "a new raster is palette entry 0";
}

TEST(Raster, TrueColourRasterHoldsAnyColour)
{
    for (const int bits : {24, 32}) {
        Raster raster(2, 2, bits, {});
        EXPECT_EQ(raster.pixel(1, 1), colours::Black) << bits;
        raster.setPixel(1, 0, 0x123456);
        raster.setPixel(0, 1, 0xAB654321);
        EXPECT_EQ(raster.pixel(1, 0), 0x123456u) << bits;
        EXPECT_EQ(raster.pixel(0, 1), 0x654321u) << bits << ": the unused high byte is dropped";
    }
}

TEST(Raster, PixelsOutsideAreNotDrawn)
{
    const Raster before = Raster::blank16Colour(5, 4);
    const int outside[][2] = {{-1, 0}, {0, -1}, {5, 0}, {0, 4}, {5, 4}, {-2147483647 - 1, 2147483647}};
    for (const auto& point : outside) {
        Raster raster = before;
        EXPECT_FALSE(raster.contains(point[0], point[1]));
        raster.setPixel(point[0], point[1], colours::Black);
        EXPECT_EQ(raster, before) << point[0] << ", " << point[1];
    }
    Raster raster = before;
    raster.setPixel(4, 3, colours::Black);
    EXPECT_NE(raster, before) << "the corner pixel is inside";
}

TEST(Raster, RefusesImpossibleShapes)
{
    struct Case {
        const char* what;
        int width, height, bits;
        std::size_t paletteSize;
    };
    const Case cases[] = {
        {"zero width", 0, 5, 4, 16},
        {"negative height", 5, -1, 4, 16},
        {"16 bits", 5, 5, 16, 0},
        {"2 bits", 5, 5, 2, 4},
        {"palette too large for 1 bit", 5, 5, 1, 3},
        {"palette too large for 4 bits", 5, 5, 4, 17},
        {"empty palette", 5, 5, 8, 0},
        {"palette on a 24-bit raster", 5, 5, 24, 2},
    };
    for (const auto& c : cases)
        EXPECT_THROW(Raster(c.width, c.height, c.bits, std::vector<Colour>(c.paletteSize)),
                     std::invalid_argument)
            << c.what;
}

} // namespace
