#pragma once

#include "platform/extended.h"

#include <cstdint>

/** @brief Column and row of the plot's origin, the pixel of (`XStart`, `YStart`). */
inline constexpr int OriginColumn = 50;
inline constexpr int OriginRow = 480;

/**
 * @brief The largest pixel coordinate, in either direction: a mapped value beyond it has no 32-bit
 * pixel and is held at the limit, far outside every picture.
 */
inline constexpr Extended PixelLimit = 2147483647.0L; // 2^31 - 1

/** @brief A mapped point before it becomes a pixel: column and row in extended precision. */
struct PlotPoint {
    Extended x;
    Extended y;
};

/** @brief A pixel of the picture. */
struct Pixel {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const Pixel&) const = default;
};

/**
 * @brief Column of value `x` on an X axis whose value `xStart` lies at the origin column and `xAxisEnd`
 * at column `xAxisEndPixel`: ((x - xStart) / (xAxisEnd - xStart)) * (xAxisEndPixel - 50) + 50, in
 * extended precision. The span must not be 0.
 */
Extended mapToColumn(Extended x, Extended xStart, Extended xAxisEnd, std::int32_t xAxisEndPixel);

/**
 * @brief Row of value `y` on a Y axis whose value `yStart` lies at the origin row and `yAxisEnd` at
 * row `yAxisEndPixel`: 480 - ((y - yStart) / (yAxisEnd - yStart)) * (480 - yAxisEndPixel), in extended
 * precision. The span must not be 0.
 */
Extended mapToRow(Extended y, Extended yStart, Extended yAxisEnd, std::int32_t yAxisEndPixel);

/** @brief `v` held within +-PixelLimit; NaN counts as beyond the upper limit. */
Extended boundedCoordinate(Extended v);

/** @brief The pixel coordinate of `v`: truncated toward zero after `boundedCoordinate`. */
std::int32_t pixelCoordinate(Extended v);

/** @brief The pixel of a mapped point, each coordinate by `pixelCoordinate`. */
Pixel pixelOf(PlotPoint point);
