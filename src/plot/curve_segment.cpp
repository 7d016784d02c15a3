#include "plot/curve_segment.h"

#include <cmath>

namespace {

Extended finiteCoordinate(Extended v)
{
    return std::isfinite(v) ? v : boundedCoordinate(v);
}

/** Which side of the square bounds a parameter of the segment: none (an end), or one edge. */
enum class Edge { None, Left, Right, Top, Bottom };

/**
 * One edge of the clipping square: narrows [t0, t1] to the parameters t where p t <= q holds, and
 * notes which edge bounds each end. Returns false when no parameter is left.
 */
bool clipEdge(Extended p, Extended q, Edge edge, Extended& t0, Edge& edge0, Extended& t1, Edge& edge1)
{
    if (p == 0)
        return q >= 0;
    const Extended r = q / p;
    if (p < 0) {
        if (r > t0) {
            t0 = r;
            edge0 = edge;
        }
    } else if (r < t1) {
        t1 = r;
        edge1 = edge;
    }
    return t0 <= t1;
}

/**
 * Where the line through `base` with direction (hx, hy) crosses `edge`: the coordinate across the edge
 * is the edge's own, the other follows from the slope. Computing from the nearer end keeps the
 * crossing as exact as the ends themselves, however far the other end lies.
 */
PlotPoint crossing(PlotPoint base, Extended hx, Extended hy, Edge edge)
{
    switch (edge) {
    case Edge::Left:
    case Edge::Right: {
        const Extended x = edge == Edge::Left ? -PixelLimit : PixelLimit;
        return {x, base.y + (x - base.x) * (hy / hx)};
    }
    case Edge::Top:
    case Edge::Bottom: {
        const Extended y = edge == Edge::Top ? -PixelLimit : PixelLimit;
        return {base.x + (y - base.y) * (hx / hy), y};
    }
    case Edge::None:
        break;
    }
    return base;
}

} // namespace

std::optional<std::pair<Pixel, Pixel>> clipSegment(PlotPoint a, PlotPoint b)
{
    a = {finiteCoordinate(a.x), finiteCoordinate(a.y)};
    b = {finiteCoordinate(b.x), finiteCoordinate(b.y)};
    // Halves keep every difference finite even for the largest extended values: the point at t is
    // a + 2 t h with h = (b - a) / 2.
    const Extended hx = b.x / 2 - a.x / 2;
    const Extended hy = b.y / 2 - a.y / 2;
    Extended t0 = 0;
    Extended t1 = 1;
    Edge edge0 = Edge::None;
    Edge edge1 = Edge::None;
    if (!clipEdge(-hx, (a.x + PixelLimit) / 2, Edge::Left, t0, edge0, t1, edge1) ||
        !clipEdge(hx, (PixelLimit - a.x) / 2, Edge::Right, t0, edge0, t1, edge1) ||
        !clipEdge(-hy, (a.y + PixelLimit) / 2, Edge::Top, t0, edge0, t1, edge1) ||
        !clipEdge(hy, (PixelLimit - a.y) / 2, Edge::Bottom, t0, edge0, t1, edge1))
        return std::nullopt;
    const PlotPoint start = edge0 == Edge::None ? a : crossing(edge1 == Edge::None ? b : a, hx, hy, edge0);
    const PlotPoint end = edge1 == Edge::None ? b : crossing(a, hx, hy, edge1);
    return std::pair{pixelOf(start), pixelOf(end)};
}

namespace {

bool withinPixelLimit(PlotPoint point)
{
    return std::fabs(point.x) <= PixelLimit && std::fabs(point.y) <= PixelLimit;
}

} // namespace

void drawCurveSegment(Picture& picture, PlotPoint from, PlotPoint to)
{
    // Ends that fit in 32 bits need no clipping here: the canvas clips them exactly.
    if (withinPixelLimit(from) && withinPixelLimit(to)) {
        const Pixel start = pixelOf(from);
        const Pixel end = pixelOf(to);
        picture.moveTo(start.x, start.y);
        picture.lineTo(end.x, end.y);
        return;
    }
    if (const auto inside = clipSegment(from, to)) {
        picture.moveTo(inside->first.x, inside->first.y);
        picture.lineTo(inside->second.x, inside->second.y);
    }
    const Pixel end = pixelOf(to);
    picture.moveTo(end.x, end.y);
}
