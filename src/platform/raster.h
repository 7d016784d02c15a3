#pragma once

#include "platform/colour.h"

#include <cstdint>
#include <vector>

/**
 * @brief A picture's pixels with its own size and colour depth. A palette raster (1, 4 or 8 bits per
 * pixel) only ever holds its palette's colours: a colour that is not in the palette is drawn as the
 * nearest entry. A 24- or 32-bit raster holds any colour.
 */
class Raster {
public:
    /** @brief The window's start picture: 800 x 600, the standard 16-colour palette, all white. */
    static Raster blank16Colour(int width = 800, int height = 600);

    /**
     * @brief All pixels set to palette entry 0 (or black for 24/32 bits). Width and height are at
     * least 1; a palette raster has 1, 4 or 8 bits per pixel and 1 to 2^bits palette entries, a 24- or
     * 32-bit raster no palette. Anything else throws std::invalid_argument.
     */
    Raster(int width, int height, int bitsPerPixel, std::vector<Colour> palette);

    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    const std::vector<Colour>& palette() const { return palette_; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    /** @brief Colour at (x, y); (x, y) must be inside. */
    Colour pixel(int x, int y) const;
    /** @brief Sets (x, y) when it is inside; pixels outside the picture are simply not drawn. */
    void setPixel(int x, int y, Colour colour);

    /** @brief Palette index at (x, y) of a palette raster; (x, y) must be inside. */
    std::uint8_t index(int x, int y) const { return indices_[static_cast<std::size_t>(y) * width_ + x]; }
    /** @brief Sets the palette index at (x, y); (x, y) must be inside and `index` within the palette. */
    void setIndex(int x, int y, std::uint8_t index) { indices_[static_cast<std::size_t>(y) * width_ + x] = index; }

    bool operator==(const Raster&) const = default;

private:
    std::uint8_t nearestIndex(Colour colour) const;

    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 4;
    std::vector<Colour> palette_;
    std::vector<std::uint8_t> indices_; // palette rasters
    std::vector<Colour> colours_;       // 24/32-bit rasters
};

/** @brief The standard 16-colour palette: black, maroon, green, olive, navy, purple, teal, gray,
 * silver, red, lime, yellow, blue, fuchsia, aqua, white. */
const std::vector<Colour>& standard16Palette();

/** @brief The palette entry nearest to `colour`: smallest squared RGB distance, first entry on ties. */
std::uint8_t nearestPaletteIndex(const std::vector<Colour>& palette, Colour colour);
