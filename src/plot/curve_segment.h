#pragma once

#include "platform/picture.h"
#include "plot/pixel_mapping.h"

#include <optional>
#include <utility>

/**
 * @brief The part of the straight segment from `a` to `b` that lies within +-PixelLimit on both
 * coordinates, as pixels (truncated toward zero), or nothing when the segment misses that square. An
 * end inside the square is kept exactly, so a segment wholly inside gives the pixels of its own ends.
 * Infinite coordinates count as +-PixelLimit and NaN as +PixelLimit.
 */
std::optional<std::pair<Pixel, Pixel>> clipSegment(PlotPoint a, PlotPoint b);

/**
 * @brief Draws one step of a curve's line, from mapped point `from` (where the pen stands) to `to`,
 * with the pen colour, and leaves the pen on the pixel of `to`. Points far outside the picture are
 * clipped first, so that the pixels inside the picture are those of the line between the two points
 * and the time does not depend on how far out they lie.
 */
void drawCurveSegment(Picture& picture, PlotPoint from, PlotPoint to);
