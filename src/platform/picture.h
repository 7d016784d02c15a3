#pragma once

#include "platform/colour.h"
#include "platform/raster.h"

#include <string_view>

/**
 * @brief The picture of a picture control with its canvas: the raster plus the pen (colour and
 * position) and the brush (colour, solid or clear) that persist between commands.
 */
class Picture {
public:
    Picture() : raster_(Raster::blank16Colour()) {}

    const Raster& raster() const { return raster_; }
    /** @brief Replaces the raster (loading a picture file); the canvas settings stay. */
    void assign(Raster raster) { raster_ = std::move(raster); }

    void setPenColour(Colour colour) { penColour_ = colour; }
    Colour penColour() const { return penColour_; }
    void setBrushColour(Colour colour) { brushColour_ = colour; }
    Colour brushColour() const { return brushColour_; }
    void setBrushSolid(bool solid) { brushSolid_ = solid; }
    bool brushSolid() const { return brushSolid_; }
    int penX() const { return penX_; }
    int penY() const { return penY_; }

    void moveTo(int x, int y);
    /**
     * @brief A one-pixel line in the pen colour from the pen position to (x, y): the start pixel is
     * set, the end pixel is not, and the pen ends at (x, y). Points far outside the picture are clipped
     * so that the time does not depend on how far out they lie, and the pixels inside are those of the
     * unclipped line.
     */
    void lineTo(int x, int y);
    void setPixel(int x, int y, Colour colour) { raster_.setPixel(x, y, colour); }
    /**
     * @brief Draws `text` (bytes, Latin-1) in the default font and the font colour (black), its top-left
     * corner at (x, y), on an opaque box of the brush colour when the brush is solid.
     */
    void textOut(int x, int y, std::string_view text);

    /** @brief Width and height in pixels of `text` in the default font. */
    static int textWidth(std::string_view text);
    static int textHeight();

private:
    Raster raster_;
    Colour penColour_ = colours::Black;
    Colour brushColour_ = colours::White;
    bool brushSolid_ = true;
    int penX_ = 0;
    int penY_ = 0;
};
