#pragma once

#include <array>
#include <cstdint>

/**
 * @brief The canvas's default font: a fixed-width 6 x 13 bitmap font (X11 "misc-fixed", public
 * domain) for the Latin-1 bytes, drawn without anti-aliasing. It is compiled into the program so that
 * text gives the same pixels on every machine.
 */
namespace default_font {

inline constexpr int CellWidth = 6;
inline constexpr int CellHeight = 13;
inline constexpr int FirstCode = 0x20;
inline constexpr int GlyphCount = 0x100 - FirstCode;

/** @brief One byte a pixel row, top row first; the leftmost pixel is bit 7. */
using Glyph = std::array<std::uint8_t, CellHeight>;

/** @brief The glyphs of the bytes FirstCode to 0xFF (default_font_glyphs.cpp, generated). */
extern const std::array<Glyph, GlyphCount> glyphs;

/** @brief The glyph of a byte; a blank cell for a byte the font has no glyph for. */
const Glyph& glyphOf(unsigned char byte);

/** @brief Whether the pixel at (column, row) of the cell is drawn in the text colour. */
inline bool inkAt(const Glyph& glyph, int column, int row)
{
    return (glyph[static_cast<std::size_t>(row)] & (0x80u >> column)) != 0;
}

} // namespace default_font
