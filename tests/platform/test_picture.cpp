#include "platform/picture.h"

#include "platform/default_font.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

using Point = std::pair<int, int>;

/** A 24-bit picture of the given size, all white, so every drawn colour is kept as it is. */
Picture trueColourPicture(int width, int height)
{
    Raster raster(width, height, 24, {});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.setPixel(x, y, colours::White);
    Picture picture;
    picture.assign(raster);
    return picture;
}

/** The same white picture with 16 colours, whose pixels are written without a bounds check. */
Picture paletteOrTrueColourPicture(bool palette, int width, int height)
{
    if (!palette)
        return trueColourPicture(width, height);
    Picture picture;
    picture.assign(Raster::blank16Colour(width, height));
    return picture;
}

std::set<Point> pixelsOfColour(const Raster& raster, Colour colour)
{
    std::set<Point> found;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            if (raster.pixel(x, y) == colour)
                found.insert({x, y});
    return found;
}

/**
 * The textbook all-octant Bresenham line, walked pixel by pixel from end to end with no clipping;
 * pixels outside the raster are dropped by setPixel. The end pixel is not drawn.
 */
void bruteForceLine(Raster& raster, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                    Colour colour)
{
    const std::int64_t dx = std::llabs(x1 - x0);
    const std::int64_t dy = -std::llabs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    std::int64_t error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        if (x0 >= INT_MIN && x0 <= INT_MAX && y0 >= INT_MIN && y0 <= INT_MAX)
            raster.setPixel(static_cast<int>(x0), static_cast<int>(y0), colour);
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

struct LineCase {
    const char* what;
    Point from, to;
    std::set<Point> expected;
};

TEST(PictureLine, DrawsTheStartPixelButNotTheEndPixel)
{
    const LineCase cases[] = {
        {"shallow", {0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {"shallow backwards", {5, 2}, {0, 0}, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {"steep", {1, 1}, {2, 4}, {{1, 1}, {1, 2}, {2, 3}}},
        {"diagonal", {3, 3}, {0, 6}, {{3, 3}, {2, 4}, {1, 5}}},
        {"horizontal", {2, 4}, {6, 4}, {{2, 4}, {3, 4}, {4, 4}, {5, 4}}},
        {"horizontal leftwards", {6, 4}, {2, 4}, {{6, 4}, {5, 4}, {4, 4}, {3, 4}}},
        {"vertical", {7, 1}, {7, 4}, {{7, 1}, {7, 2}, {7, 3}}},
        {"vertical upwards", {7, 4}, {7, 1}, {{7, 4}, {7, 3}, {7, 2}}},
        {"one pixel long", {4, 4}, {5, 4}, {{4, 4}}},
        {"zero length draws nothing", {4, 4}, {4, 4}, {}},
    };
    for (const auto& c : cases) {
        Picture picture = trueColourPicture(10, 8);
        picture.setPenColour(colours::Red);
        picture.moveTo(c.from.first, c.from.second);
        picture.lineTo(c.to.first, c.to.second);
        EXPECT_EQ(pixelsOfColour(picture.raster(), colours::Red), c.expected) << c.what;
        EXPECT_EQ(picture.penX(), c.to.first) << c.what;
        EXPECT_EQ(picture.penY(), c.to.second) << c.what;
    }
}

TEST(PictureLine, EveryOctantMirrorsTheFirst)
{
    // Lines from the centre to (±a, ±b) and (±b, ±a) are mirror images of the line to (a, b).
    const int a = 7;
    const int b = 3;
    const int centre = 10;
    Picture first = trueColourPicture(21, 21);
    first.moveTo(centre, centre);
    first.lineTo(centre + a, centre + b);
    const std::set<Point> reference = pixelsOfColour(first.raster(), colours::Black);
    ASSERT_EQ(reference.size(), static_cast<std::size_t>(a));

    for (const bool swap : {false, true})
        for (const int sx : {1, -1})
            for (const int sy : {1, -1}) {
                const auto mirror = [&](int u, int v) {
                    return swap ? Point{v * sy, u * sx} : Point{u * sx, v * sy};
                };
                std::set<Point> expected;
                for (const auto& [x, y] : reference) {
                    const Point m = mirror(x - centre, y - centre);
                    expected.insert({centre + m.first, centre + m.second});
                }
                const Point target = mirror(a, b);
                Picture picture = trueColourPicture(21, 21);
                picture.moveTo(centre, centre);
                picture.lineTo(centre + target.first, centre + target.second);
                EXPECT_EQ(pixelsOfColour(picture.raster(), colours::Black), expected)
                    << "line to offset " << target.first << ", " << target.second;
            }
}

TEST(PictureLine, ConnectedSegmentsShareTheirJoints)
{
    Picture picture = trueColourPicture(20, 20);
    picture.moveTo(2, 2);
    picture.lineTo(12, 2);
    picture.lineTo(12, 12);
    picture.lineTo(2, 2);
    const std::set<Point> drawn = pixelsOfColour(picture.raster(), colours::Black);
    EXPECT_EQ(drawn.size(), 30u) << "each joint is drawn once, by the segment it starts";
    EXPECT_TRUE(drawn.count({12, 2}) && drawn.count({12, 12}) && drawn.count({2, 2}));
}

TEST(PictureLine, PenColourIsDrawnAsItsPaletteEntry)
{
    Picture picture;
    picture.setPenColour(0x0000C0); // nearest entry: red
    picture.moveTo(0, 0);
    picture.lineTo(4, 0);
    EXPECT_EQ(picture.raster().pixel(0, 0), colours::Red);
    EXPECT_EQ(picture.raster().pixel(3, 0), colours::Red);
    EXPECT_EQ(picture.raster().pixel(4, 0), colours::White);
}

TEST(PictureLine, ClippedLinesMatchTheUnclippedLineInside)
{
    std::mt19937 random(20261211);
    const auto coordinate = [&](int range) { return static_cast<int>(random() % (2u * range + 1)) - range; };
    for (int round = 0; round < 3000; ++round) {
        // Ends mostly near the picture, often far beyond it, sometimes inside it.
        const int range = round % 3 == 0 ? 60 : 3000;
        const int x0 = coordinate(range), y0 = coordinate(range);
        const int x1 = coordinate(range), y1 = coordinate(range);
        Picture picture = paletteOrTrueColourPicture(round % 2 == 0, 53, 37);
        Raster expected = picture.raster();
        picture.moveTo(x0, y0);
        picture.lineTo(x1, y1);
        bruteForceLine(expected, x0, y0, x1, y1, colours::Black);
        ASSERT_EQ(picture.raster(), expected)
            << "line from " << x0 << ", " << y0 << " to " << x1 << ", " << y1;
    }
}

TEST(PictureLine, LinesAlongAndAcrossTheEdges)
{
    const std::pair<Point, Point> lines[] = {
        {{-5, 0}, {60, 0}},     {{0, -5}, {0, 50}},    {{52, -3}, {52, 40}},  {{-3, 36}, {70, 36}},
        {{-10, -10}, {60, 60}}, {{-1, 37}, {53, -1}},  {{53, 10}, {-1, 11}},  {{26, -100}, {27, 200}},
        {{-40, 18}, {93, 19}},  {{52, 36}, {1000, 0}}, {{0, 0}, {-1000, -1}}, {{-1, -1}, {-2, -2}},
    };
    for (const bool palette : {false, true})
        for (const auto& [from, to] : lines) {
            Picture picture = paletteOrTrueColourPicture(palette, 53, 37);
            Raster expected = picture.raster();
            picture.moveTo(from.first, from.second);
            picture.lineTo(to.first, to.second);
            bruteForceLine(expected, from.first, from.second, to.first, to.second, colours::Black);
            EXPECT_EQ(picture.raster(), expected) << "line from " << from.first << ", " << from.second
                                                  << " to " << to.first << ", " << to.second;
        }
}

TEST(PictureLine, FarOutPointsAreClippedExactly)
{
    struct Case {
        const char* what;
        Point from, to;
        std::set<Point> expected;
    };
    const int lo = INT_MIN;
    const int hi = INT_MAX;
    std::set<Point> row1;
    std::set<Point> row2;
    std::set<Point> diagonal;
    for (int x = 0; x < 8; ++x) {
        row1.insert({x, 1});
        row2.insert({x, 2});
    }
    for (int i = 0; i < 5; ++i)
        diagonal.insert({i, i});
    const Case cases[] = {
        {"whole row across the integer range", {lo, 2}, {hi, 2}, row2},
        {"diagonal through the corner", {lo, lo}, {hi, hi}, diagonal},
        // dx = 2^32 - 1, dy = 1: the line steps down where x passes 0.
        {"one step down exactly at column 0", {lo, 0}, {hi, 1}, row1},
        {"passing above the picture", {lo, -1}, {hi, -2}, {}},
        {"far left to far left", {lo, 3}, {-1000000, hi}, {}},
        {"into the picture from far away", {-2000000000, 3}, {3, 3}, {{0, 3}, {1, 3}, {2, 3}}},
        {"out of the picture to far away", {3, 3}, {3, hi}, {{3, 3}, {3, 4}}},
    };
    for (const bool palette : {false, true})
        for (const auto& c : cases) {
            Picture picture = paletteOrTrueColourPicture(palette, 8, 5);
            picture.moveTo(c.from.first, c.from.second);
            picture.lineTo(c.to.first, c.to.second);
            EXPECT_EQ(pixelsOfColour(picture.raster(), colours::Black), c.expected) << c.what;
            EXPECT_EQ(picture.penX(), c.to.first) << c.what;
            EXPECT_EQ(picture.penY(), c.to.second) << c.what;
        }
}

TEST(PictureLine, FarOutSteepLineMatchesItsScaledUnclippedLine)
{
    // Ends a million pixels out: the entry point is computed, not walked to, yet the pixels inside
    // are those of the brute-force walk, which is still affordable at that length.
    const std::pair<Point, Point> lines[] = {
        {{-999999, 5}, {1000003, 17}},
        {{7, -1000000}, {9, 1000000}},
        {{1000000, -999999}, {-999999, 1000000}},
    };
    for (const auto& [from, to] : lines) {
        Picture picture = paletteOrTrueColourPicture(true, 40, 30);
        Raster expected = picture.raster();
        picture.moveTo(from.first, from.second);
        picture.lineTo(to.first, to.second);
        bruteForceLine(expected, from.first, from.second, to.first, to.second, colours::Black);
        EXPECT_EQ(picture.raster(), expected) << from.first << ", " << from.second;
    }
}

// --- Text ---

TEST(PictureText, BoxIsSixPixelsACharacterAndThirteenHigh)
{
    const std::pair<std::string_view, int> cases[] = {{"", 0}, {"A", 6}, {"TITLE", 30}, {"4100", 24}};
    for (const auto& [text, width] : cases)
        EXPECT_EQ(Picture::textWidth(text), width) << text;
    EXPECT_EQ(Picture::textHeight(), 13);
}

TEST(PictureText, GlyphsAreBlackOnTheBrushBoxAndNothingElseChanges)
{
    struct Case {
        const char* what;
        int x, y;
        std::string_view text;
    };
    const Case cases[] = {
        {"inside", 10, 20, "Ab4,"},
        {"at the origin", 0, 0, "X"},
        {"bytes without glyph", 5, 5, std::string_view("\x01\x7F\x90", 3)},
        {"Latin-1", 30, 2, "\xE9\xC4"},
    };
    for (const auto& c : cases) {
        Picture picture;
        picture.setBrushColour(0x00FFFF); // yellow box on the white picture
        picture.textOut(c.x, c.y, c.text);
        const Raster& raster = picture.raster();
        const int right = c.x + Picture::textWidth(c.text);
        const int bottom = c.y + Picture::textHeight();
        for (int y = 0; y < raster.height(); ++y)
            for (int x = 0; x < raster.width(); ++x) {
                Colour expected = colours::White;
                if (x >= c.x && x < right && y >= c.y && y < bottom) {
                    const auto byte =
                        static_cast<unsigned char>(c.text[static_cast<std::size_t>((x - c.x) / 6)]);
                    const bool ink = default_font::inkAt(default_font::glyphOf(byte), (x - c.x) % 6, y - c.y);
                    expected = ink ? colours::Black : 0x00FFFF;
                }
                ASSERT_EQ(raster.pixel(x, y), expected) << c.what << " at " << x << ", " << y;
            }
    }
}

TEST(PictureText, KnownGlyphPixels)
{
    // 'A' of the 6x13 font: apex at column 2 of row 2, the bar across row 7, legs down to row 10.
    Picture picture;
    picture.textOut(100, 50, "A");
    const Raster& raster = picture.raster();
    EXPECT_EQ(raster.pixel(102, 52), colours::Black);
    EXPECT_EQ(raster.pixel(101, 52), colours::White);
    for (int x = 100; x <= 104; ++x)
        EXPECT_EQ(raster.pixel(x, 57), colours::Black) << x;
    EXPECT_EQ(raster.pixel(100, 60), colours::Black);
    EXPECT_EQ(raster.pixel(104, 60), colours::Black);
    EXPECT_EQ(raster.pixel(105, 57), colours::White) << "the sixth column is the gap between letters";
    EXPECT_EQ(pixelsOfColour(raster, colours::Black).size(), 20u);
}

TEST(PictureText, ClearBrushLeavesTheBackground)
{
    Picture picture = trueColourPicture(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, static_cast<Colour>(0x10000 * x + 0x100 * y + 7));
    const Raster before = picture.raster();
    picture.setBrushSolid(false);
    picture.setBrushColour(colours::Red);
    picture.textOut(3, 4, "Hi");
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inBox = x >= 3 && x < 15 && y >= 4 && y < 17;
            const bool ink =
                inBox && default_font::inkAt(default_font::glyphOf(x < 9 ? 'H' : 'i'), (x - 3) % 6, y - 4);
            EXPECT_EQ(picture.raster().pixel(x, y), ink ? colours::Black : before.pixel(x, y))
                << x << ", " << y;
        }
}

TEST(PictureText, TextCutByTheEdgesMatchesTheSameTextFullyInside)
{
    const Point places[] = {{-4, -5}, {-13, 3}, {28, 12}, {35, -12}, {-6, 0}};
    const std::string_view text = "W1 g";
    for (const auto& [x, y] : places) {
        Picture small = trueColourPicture(40, 20);
        small.setBrushColour(colours::Green);
        small.textOut(x, y, text);
        Picture large = trueColourPicture(120, 100);
        large.setBrushColour(colours::Green);
        large.textOut(x + 40, y + 40, text);
        for (int py = 0; py < 20; ++py)
            for (int px = 0; px < 40; ++px)
                ASSERT_EQ(small.raster().pixel(px, py), large.raster().pixel(px + 40, py + 40))
                    << "text at " << x << ", " << y << ", pixel " << px << ", " << py;
    }
}

TEST(PictureText, TextFarOutsideDrawsNothing)
{
    const Point places[] = {{INT_MAX - 3, 0}, {INT_MIN, 0}, {0, INT_MAX}, {0, INT_MIN},
                            {800, 0},         {0, 600},     {-24, 0},     {0, -13}};
    for (const auto& [x, y] : places) {
        Picture picture;
        picture.setBrushColour(colours::Red);
        picture.textOut(x, y, "TEXT");
        EXPECT_EQ(picture.raster(), Raster::blank16Colour()) << x << ", " << y;
    }
}

TEST(DefaultFont, GlyphsFitTheirCellAndPrintableAsciiHasInk)
{
    for (int code = default_font::FirstCode; code <= 0xFF; ++code) {
        const auto& glyph = default_font::glyphOf(static_cast<unsigned char>(code));
        int ink = 0;
        for (const auto row : glyph) {
            EXPECT_EQ(row & 0x03, 0) << "glyph 0x" << std::hex << code << " reaches past column 6";
            ink += row != 0;
        }
        if (code > 0x20 && code < 0x7F) {
            EXPECT_GT(ink, 0) << "glyph 0x" << std::hex << code;
        }
        if (code == 0x20 || (code >= 0x7F && code <= 0x9F)) {
            EXPECT_EQ(ink, 0) << "glyph 0x" << std::hex << code;
        }
    }
    for (int code = 0; code < default_font::FirstCode; ++code)
        EXPECT_EQ(default_font::glyphOf(static_cast<unsigned char>(code)), default_font::Glyph{}) << code;
}

} // namespace
