// The JSON snapshot of an application whose six spectrum arrays are full (30000 points each).

#include "app/scripted_ui.h"
#include "app/snapshot.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SnapshotOfFullArrays(benchmark::State& bench)
{
    ScriptedUi ui([](const std::string&) {}, DriveMapping("/nonexistent"));
    const auto app = makeApp(ui, DriveMapping("/nonexistent"), '.');
    AppState& s = app->state;
    for (int i = 0; i < MaxPoints; ++i) {
        s.SpectrumX[i] = s.SecondX[i] = s.ResultX[i] = 4000 + i / 3.0L;
        s.SpectrumY[i] = s.SecondY[i] = s.ResultY[i] = 1.0L / (i + 7);
    }
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const std::string json = snapshotJson(*app, false);
        bytes = json.size();
        benchmark::DoNotOptimize(json.data());
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SnapshotOfFullArrays)->Unit(benchmark::kMillisecond);

} // namespace
