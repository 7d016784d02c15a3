#include "app/scripted_ui.h"
#include "platform/bitmap_file.h"
#include "plot/draw_plot.h"
#include "support/example_axes.h"
#include "table/app_context.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

/** A drive C of its own with the white 800 x 600 background, removed at the end. */
struct BenchDrive {
    BenchDrive()
    {
        root = std::filesystem::temp_directory_path() / ("specdesk-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "VELK");
        std::ofstream(root / "VELK" / "initialBMP.bmp", std::ios::binary) << encodeBitmap(Raster::blank16Colour());
    }
    ~BenchDrive() { std::filesystem::remove_all(root); }
    std::filesystem::path root;
};

enum class Far { No, Beside, Across };

/**
 * 30000 points of a wiggly spectrum, or far outside the plot (`reach` times the axis ranges away):
 * all beside the picture, or alternating between opposite sides so that every line crosses it.
 */
void fillSpectrum(AppState& s, Far far, long double reach)
{
    setExampleAxes(s);
    s.PointCount = MaxPoints;
    for (int i = 0; i < MaxPoints; ++i) {
        const long double u = static_cast<long double>(i) / MaxPoints;
        s.SpectrumX[i] = 4000 + 1000 * u;
        s.SpectrumY[i] = 0.5L + 0.4L * ((i * 7919) % 1000 / 1000.0L - 0.5L);
        if (far == Far::Beside) {
            s.SpectrumX[i] = 5000 + 1000 * reach * (1 + u);
            s.SpectrumY[i] = s.SpectrumY[i] * reach;
        } else if (far == Far::Across) {
            const long double side = (i % 2 == 0) ? 1 : -1;
            s.SpectrumX[i] = 4500 + side * 1000 * reach * (0.5L + u);
            s.SpectrumY[i] = 0.5L - side * reach * (0.5L + u);
        }
    }
}

void runDrawPlot(benchmark::State& state, Far far, long double reach, std::int32_t pixelsPerStep = -1)
{
    BenchDrive drive;
    ScriptedUi ui([](const std::string&) {}, DriveMapping(drive.root));
    const std::unique_ptr<App> app = makeApp(ui, DriveMapping(drive.root), ',');
    fillSpectrum(app->state, far, reach);
    if (pixelsPerStep >= 0) {
        // The largest step count the axis settings accept, on both axes.
        AppState& s = app->state;
        s.XSteps = s.YSteps = 2147483647;
        s.XPixelsPerStep = s.YPixelsPerStep = pixelsPerStep;
    }
    for (auto _ : state) {
        DrawPlot(*app);
        benchmark::DoNotOptimize(app->controls.Image1.picture.raster());
    }
}

void BM_DrawPlot30000Points(benchmark::State& state) { runDrawPlot(state, Far::No, 1); }
void BM_DrawPlot30000PointsMaxStepsAtOnePlace(benchmark::State& state) { runDrawPlot(state, Far::No, 1, 0); }
void BM_DrawPlot30000PointsMaxStepsTenPixelsApart(benchmark::State& state) { runDrawPlot(state, Far::No, 1, 10); }
void BM_DrawPlot30000PointsFarOutside(benchmark::State& state) { runDrawPlot(state, Far::Beside, 1e12L); }
void BM_DrawPlot30000PointsFarBeyond32Bits(benchmark::State& state) { runDrawPlot(state, Far::Beside, 1e300L); }
/** Worst case: each of the 29999 lines crosses the whole picture, some 800 pixels each. */
void BM_DrawPlot30000LinesAcrossFromFarOutside(benchmark::State& state) { runDrawPlot(state, Far::Across, 1e12L); }

/** The part of every rendering that reads the background file. */
void BM_ReadBackground(benchmark::State& state)
{
    BenchDrive drive;
    const DriveMapping mapping(drive.root);
    for (auto _ : state)
        benchmark::DoNotOptimize(readBitmapFile(mapping.map("C://VELK//initialBMP.bmp")));
}

} // namespace

BENCHMARK(BM_DrawPlot30000Points)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawPlot30000PointsMaxStepsAtOnePlace)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawPlot30000PointsMaxStepsTenPixelsApart)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawPlot30000PointsFarOutside)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawPlot30000PointsFarBeyond32Bits)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawPlot30000LinesAcrossFromFarOutside)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadBackground)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
