#include "platform/picture.h"

#include "platform/default_font.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

using Wide = __int128;

/**
 * Visits, in drawing order, the pixels inside a width x height box of the Bresenham line from (x0, y0)
 * to (x1, y1), the end pixel excluded. Step i along the major axis moves the minor axis by
 * floor((2 i dMinor + dMajor) / (2 dMajor)) pixels, so the first and last steps inside the box follow
 * arithmetically from the box's edges and only the steps inside are walked: the time does not depend
 * on how far outside the box the ends lie.
 */
template <class Plot>
void forEachLinePixelInside(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int width,
                            int height, Plot plot)
{
    const std::int64_t dx = std::llabs(x1 - x0);
    const std::int64_t dy = std::llabs(y1 - y0);
    if (dx == 0 && dy == 0)
        return;
    const bool xMajor = dx >= dy;
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t dMajor = xMajor ? dx : dy;
    const std::int64_t dMinor = xMajor ? dy : dx;
    const int majorSign = (xMajor ? x1 >= x0 : y1 >= y0) ? 1 : -1;
    const int minorSign = (xMajor ? y1 >= y0 : x1 >= x0) ? 1 : -1;
    const std::int64_t majorLimit = xMajor ? width : height;
    const std::int64_t minorLimit = xMajor ? height : width;

    // Steps whose major coordinate lies inside the box.
    std::int64_t first = 0;
    std::int64_t last = dMajor - 1;
    if (majorSign > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorLimit - 1 - major0);
    } else {
        first = std::max(first, major0 - (majorLimit - 1));
        last = std::min(last, major0);
    }

    // Minor offsets k (never negative) whose minor coordinate lies inside the box.
    const std::int64_t kMin = minorSign > 0 ? -minor0 : minor0 - (minorLimit - 1);
    const std::int64_t kMax = minorSign > 0 ? minorLimit - 1 - minor0 : minor0;
    if (kMax < 0)
        return;
    const Wide twoMajor = Wide{2} * dMajor;
    const Wide twoMinor = Wide{2} * dMinor;
    if (dMinor == 0) {
        if (kMin > 0)
            return;
    } else {
        // k_i >= kMin  <=>  2 i dMinor >= 2 dMajor kMin - dMajor
        if (kMin > 0) {
            const Wide need = twoMajor * kMin - dMajor;
            first = std::max<Wide>(first, (need + twoMinor - 1) / twoMinor);
        }
        // k_i <= kMax  <=>  2 i dMinor <= 2 dMajor (kMax + 1) - dMajor - 1
        const Wide allow = twoMajor * (Wide{kMax} + 1) - dMajor - 1;
        last = static_cast<std::int64_t>(std::min<Wide>(last, allow / twoMinor));
    }
    if (first > last)
        return;

    const Wide numerator = twoMinor * first + dMajor;
    const std::int64_t k = static_cast<std::int64_t>(numerator / twoMajor);
    std::int64_t error = static_cast<std::int64_t>(numerator - twoMajor * k);
    std::int64_t major = major0 + majorSign * first;
    std::int64_t minor = minor0 + minorSign * k;
    const std::int64_t errorStep = 2 * dMinor;
    const std::int64_t errorWrap = 2 * dMajor;
    for (std::int64_t i = first; i <= last; ++i) {
        if (xMajor)
            plot(static_cast<int>(major), static_cast<int>(minor));
        else
            plot(static_cast<int>(minor), static_cast<int>(major));
        error += errorStep;
        if (error >= errorWrap) {
            error -= errorWrap;
            minor += minorSign;
        }
        major += majorSign;
    }
}

/** The cells of `text` that can reach into columns [0, width) when the text starts at column x. */
void visibleCells(std::int64_t x, std::size_t length, int width, std::size_t& first, std::size_t& end)
{
    const std::int64_t cell = default_font::CellWidth;
    const std::int64_t firstCell = x >= 0 ? 0 : (-x) / cell;
    const std::int64_t endCell = x >= width ? 0 : (width - x + cell - 1) / cell;
    first = static_cast<std::size_t>(std::min<std::int64_t>(firstCell, static_cast<std::int64_t>(length)));
    end = static_cast<std::size_t>(std::clamp<std::int64_t>(endCell, static_cast<std::int64_t>(first),
                                                            static_cast<std::int64_t>(length)));
}

} // namespace

void Picture::moveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void Picture::lineTo(int x, int y)
{
    const Raster& shape = raster_;
    if (shape.palette().empty()) {
        const Colour colour = penColour_;
        forEachLinePixelInside(penX_, penY_, x, y, shape.width(), shape.height(),
                               [&](int px, int py) { raster_.setPixel(px, py, colour); });
    } else {
        // The palette entry is found once for the whole line, not once a pixel.
        const std::uint8_t index = nearestPaletteIndex(shape.palette(), penColour_);
        forEachLinePixelInside(penX_, penY_, x, y, shape.width(), shape.height(),
                               [&](int px, int py) { raster_.setIndex(px, py, index); });
    }
    penX_ = x;
    penY_ = y;
}

void Picture::textOut(int x, int y, std::string_view text)
{
    using default_font::CellHeight;
    using default_font::CellWidth;
    const int top = std::max(y, 0);
    const int bottom =
        static_cast<int>(std::min<std::int64_t>(std::int64_t{y} + CellHeight, raster_.height()));
    if (top >= bottom)
        return;
    std::size_t first = 0;
    std::size_t end = 0;
    visibleCells(x, text.size(), raster_.width(), first, end);
    for (std::size_t i = first; i < end; ++i) {
        const default_font::Glyph& glyph = default_font::glyphOf(static_cast<unsigned char>(text[i]));
        const std::int64_t left = x + static_cast<std::int64_t>(i) * CellWidth;
        for (int row = top; row < bottom; ++row) {
            for (int column = 0; column < CellWidth; ++column) {
                const std::int64_t px = left + column;
                if (px < 0 || px >= raster_.width())
                    continue;
                if (default_font::inkAt(glyph, column, row - y))
                    raster_.setPixel(static_cast<int>(px), row, colours::Black);
                else if (brushSolid_)
                    raster_.setPixel(static_cast<int>(px), row, brushColour_);
            }
        }
    }
}

int Picture::textWidth(std::string_view text)
{
    const std::size_t limit = static_cast<std::size_t>(INT_MAX / default_font::CellWidth);
    return static_cast<int>(std::min(text.size(), limit)) * default_font::CellWidth;
}

int Picture::textHeight()
{
    return default_font::CellHeight;
}
