// Drawing speed of the picture's lines: 30000 connected segments, as a plotted spectrum has at most.

#include "platform/picture.h"

#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

namespace {

constexpr int SegmentCount = 30000;

std::vector<std::pair<int, int>> randomPoints(int xLow, int xHigh, int yLow, int yHigh)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> x(xLow, xHigh);
    std::uniform_int_distribution<int> y(yLow, yHigh);
    std::vector<std::pair<int, int>> points(SegmentCount + 1);
    for (auto& point : points)
        point = {x(random), y(random)};
    return points;
}

void drawPolyline(benchmark::State& state, const std::vector<std::pair<int, int>>& points)
{
    Picture picture;
    for (auto _ : state) {
        picture.moveTo(points[0].first, points[0].second);
        for (std::size_t i = 1; i < points.size(); ++i)
            picture.lineTo(points[i].first, points[i].second);
        benchmark::DoNotOptimize(picture.raster().index(400, 300));
    }
    state.SetItemsProcessed(state.iterations() * SegmentCount);
}

/** Segments between random points of the 800 x 600 picture: about 330 pixels each. */
void BM_SegmentsAcrossThePicture(benchmark::State& state)
{
    drawPolyline(state, randomPoints(0, 799, 0, 599));
}
BENCHMARK(BM_SegmentsAcrossThePicture)->Unit(benchmark::kMillisecond);

/** A spectrum's shape: the columns advance steadily from 50 to 750, the rows jump about. */
void BM_SpectrumAcrossThePicture(benchmark::State& state)
{
    auto points = randomPoints(0, 0, 10, 480);
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i].first = 50 + static_cast<int>(i * 700 / SegmentCount);
    drawPolyline(state, points);
}
BENCHMARK(BM_SpectrumAcrossThePicture)->Unit(benchmark::kMillisecond);

/** Segments between points up to 2^31 away: most miss the picture, some cross it. */
void BM_SegmentsFarOutside(benchmark::State& state)
{
    drawPolyline(state, randomPoints(-2147483647 - 1, 2147483647, -2147483647 - 1, 2147483647));
}
BENCHMARK(BM_SegmentsFarOutside)->Unit(benchmark::kMillisecond);

} // namespace
