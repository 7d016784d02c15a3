// "FIT" and "Red shift" on a full 30000-point spectrum, each run including the working file and the
// reload of the left table; plus the table text alone, where the time goes.
#include "app/scripted_ui.h"
#include "continuum/continuum_fit.h"
#include "continuum/red_shift.h"
#include "continuum/result_table.h"
#include "platform/atomic_file.h"
#include "table/app_context.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

/** A drive C of its own with the working folders, removed at the end. */
struct BenchDrive {
    BenchDrive()
        : root(std::filesystem::temp_directory_path() / ("specdesk-bench-continuum-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(root / "VELK" / "KOLDAR");
    }
    ~BenchDrive() { std::filesystem::remove_all(root); }
    std::filesystem::path root;
};

struct BenchApp {
    BenchApp() : ui([](const std::string&) {}, DriveMapping(drive.root)), app(makeApp(ui, DriveMapping(drive.root), ','))
    {
        AppState& s = app->state;
        for (int i = 0; i < MaxPoints; ++i) {
            s.SpectrumX[i] = 4000.0L + i * 0.1L;
            s.SpectrumY[i] = 1.0L + 0.25L * std::sin(static_cast<long double>(i) / 97);
        }
        s.PointCount = MaxPoints;
        s.PickX[0] = 4100.5F;
        s.PickY[0] = 1.125F;
        s.PickX[1] = 6900.25F;
        s.PickY[1] = 0.875F;
        s.PickCount = 2;
    }
    BenchDrive drive;
    ScriptedUi ui;
    std::unique_ptr<App> app;
};

void BM_Fit(benchmark::State& state)
{
    BenchApp b;
    for (auto _ : state)
        Button15Click(*b.app);
    benchmark::DoNotOptimize(b.app->controls.Memo2.lines.count());
}
BENCHMARK(BM_Fit)->Unit(benchmark::kMillisecond);

void BM_RedShift(benchmark::State& state)
{
    BenchApp b;
    b.app->controls.Edit10.text = "0.1";
    for (auto _ : state)
        Button23Click(*b.app);
    benchmark::DoNotOptimize(b.app->controls.Memo2.lines.count());
}
BENCHMARK(BM_RedShift)->Unit(benchmark::kMillisecond);

void BM_FormatResultTable(benchmark::State& state)
{
    BenchApp b;
    Button15Click(*b.app);
    for (auto _ : state) {
        std::string text = formatResultTable(b.app->state.ResultX, b.app->state.ResultY, MaxPoints, ',');
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FormatResultTable)->Unit(benchmark::kMillisecond);

void BM_ReplaceFile(benchmark::State& state)
{
    BenchApp b;
    const std::string text = formatResultTable(b.app->state.SpectrumX, b.app->state.SpectrumY, MaxPoints, ',');
    const FilePath file = b.app->path("C://VELK//KOLDAR//an.txt");
    for (auto _ : state)
        replaceFileWhole(file, text);
}
BENCHMARK(BM_ReplaceFile)->Unit(benchmark::kMillisecond);

void BM_LoadLeftTable(benchmark::State& state)
{
    BenchApp b;
    Button15Click(*b.app);
    const FilePath file = b.app->path("C://VELK//KOLDAR//an.txt");
    for (auto _ : state)
        b.app->controls.Memo2.lines.loadFromFile(file);
}
BENCHMARK(BM_LoadLeftTable)->Unit(benchmark::kMillisecond);

} // namespace
