#pragma once

#include "support/example_axes.h"

#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/raster.h"
#include "table/app_state.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

// Checks of a plot picture against the geometry: pixels, runs of pixels and text boxes.

inline ::testing::AssertionResult pixelIs(const Raster& raster, int x, int y, Colour expected)
{
    if (!raster.contains(x, y))
        return ::testing::AssertionFailure() << "(" << x << ", " << y << ") is outside the picture";
    const Colour got = raster.pixel(x, y);
    if (got == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x" << std::hex << got
                                         << ", expected 0x" << expected;
}

/** Every pixel of the box [x0, x1] x [y0, y1] has colour `expected`. */
inline ::testing::AssertionResult boxIs(const Raster& raster, int x0, int y0, int x1, int y1, Colour expected)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (auto r = pixelIs(raster, x, y, expected); !r)
                return r;
    return ::testing::AssertionSuccess();
}

/** Two pictures are the same, size, depth and every pixel; else the first pixel that differs. */
inline ::testing::AssertionResult samePicture(const Raster& got, const Raster& expected)
{
    if (got.width() != expected.width() || got.height() != expected.height() ||
        got.bitsPerPixel() != expected.bitsPerPixel())
        return ::testing::AssertionFailure() << "the pictures differ in size or depth";
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != expected.pixel(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x" << std::hex
                                                     << got.pixel(x, y) << ", expected 0x" << expected.pixel(x, y);
    if (!(got == expected))
        return ::testing::AssertionFailure() << "the pictures differ in their palettes";
    return ::testing::AssertionSuccess();
}

/**
 * The box of `text` in the default font, top-left corner at (x, y), shows exactly that text in black on
 * white (the part inside the picture). The expected cells come from the font alone, drawn on white.
 */
inline ::testing::AssertionResult textAt(const Raster& raster, int x, int y, std::string_view text)
{
    Picture expected;
    expected.textOut(0, 0, text);
    const int width = Picture::textWidth(text);
    for (int row = 0; row < Picture::textHeight(); ++row)
        for (int column = 0; column < width; ++column) {
            if (!raster.contains(x + column, y + row))
                continue;
            const Colour want = expected.raster().pixel(column, row);
            if (raster.pixel(x + column, y + row) != want)
                return ::testing::AssertionFailure()
                       << "text \"" << text << "\" at (" << x << ", " << y << ") differs at pixel ("
                       << x + column << ", " << y + row << ")";
        }
    return ::testing::AssertionSuccess();
}

/** Axes of exact binary arithmetic: column = 50 + x * 700 / 1024, row = 480 - 450 y. */
inline void setExactAxes(AppState& s)
{
    s.XSteps = 4;
    s.XPixelsPerStep = 175;
    s.XStart = 0;
    s.XStep = 256;
    s.YSteps = 2;
    s.YPixelsPerStep = 225;
    s.YStart = 0;
    s.YStep = 0.5L;
}


/** The data value whose column is `column` on the exact axes. */
inline Extended xForColumn(Extended column)
{
    return (column - 50) * 1024 / 700;
}

/** The data value whose row is `row` on the exact axes. */
inline Extended yForRow(Extended row)
{
    return (480 - row) / 450;
}
