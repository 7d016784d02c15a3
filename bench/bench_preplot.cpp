// "Preplot" on a full table of 30000 lines as the program writes them (X, four blanks, Y), and the
// heap allocations one run makes (the reader reuses the storage of its work strings).
#include "app/scripted_ui.h"
#include "table/app_context.h"
#include "table/axis_ranging.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

namespace {

std::atomic<long> allocations{0};

std::string tableLine(int i)
{
    char text[64];
    char* out = std::to_chars(text, text + 24, 4000.0 + i * 0.1, std::chars_format::fixed, 1).ptr;
    out = std::fill_n(out, 4, ' ');
    out = std::to_chars(out, text + sizeof text, 1.0 + 0.25 * std::sin(i / 97.0), std::chars_format::fixed, 9)
              .ptr;
    return std::string(text, out);
}

struct BenchApp {
    BenchApp()
        : ui([](const std::string&) {}, DriveMapping("/nonexistent")),
          app(makeApp(ui, DriveMapping("/nonexistent"), '.'))
    {
        TableText& table = app->controls.Memo1.lines;
        table.clear();
        for (int i = 0; i < MaxPoints; ++i)
            table.setLine(i, tableLine(i));
    }
    ScriptedUi ui;
    std::unique_ptr<App> app;
};

void BM_Preplot(benchmark::State& state)
{
    BenchApp bench;
    App& app = *bench.app;
    if (!Preplot(app) || app.state.PointCount != MaxPoints) { // warms the work strings
        state.SkipWithError("table not read");
        return;
    }
    long allocationsInRuns = 0;
    for (auto _ : state) {
        const long before = allocations.load();
        benchmark::DoNotOptimize(Preplot(app));
        allocationsInRuns += allocations.load() - before;
        benchmark::ClobberMemory();
    }
    state.counters["allocations/run"] =
        benchmark::Counter(static_cast<double>(allocationsInRuns), benchmark::Counter::kAvgIterations);
    state.counters["lines"] = MaxPoints;
}
BENCHMARK(BM_Preplot)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

// Counting replacements of the global allocation functions. GCC cannot see that the replaced new
// allocates with malloc, so it warns about the free below.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
