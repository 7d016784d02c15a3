#include "plot/pixel_mapping.h"

#include <cmath>

Extended mapToColumn(Extended x, Extended xStart, Extended xAxisEnd, std::int32_t xAxisEndPixel)
{
    const Extended pixels = static_cast<Extended>(xAxisEndPixel) - OriginColumn;
    return ((x - xStart) / (xAxisEnd - xStart)) * pixels + OriginColumn;
}

Extended mapToRow(Extended y, Extended yStart, Extended yAxisEnd, std::int32_t yAxisEndPixel)
{
    const Extended pixels = OriginRow - static_cast<Extended>(yAxisEndPixel);
    return OriginRow - ((y - yStart) / (yAxisEnd - yStart)) * pixels;
}

Extended boundedCoordinate(Extended v)
{
    if (std::isnan(v) || v > PixelLimit)
        return PixelLimit;
    if (v < -PixelLimit)
        return -PixelLimit;
    return v;
}

std::int32_t pixelCoordinate(Extended v)
{
    // The conversion truncates toward zero; the bound keeps it inside the 32-bit range.
    return static_cast<std::int32_t>(boundedCoordinate(v));
}

Pixel pixelOf(PlotPoint point)
{
    return {pixelCoordinate(point.x), pixelCoordinate(point.y)};
}
