#include "platform/number_conversions.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

// Number conversions on the values of a typical spectrum: wavelengths of a few thousand Ångström with a
// full fraction (as a red shift or a fit leaves them), intensities around 1, and the texts of a table.

namespace {

constexpr std::size_t tableSize = 30000;

std::vector<Extended> uniformValues(Extended low, Extended high, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    std::vector<Extended> values(tableSize);
    for (Extended& value : values) {
        value = low + (high - low) * static_cast<Extended>(fraction(random)) / 1.1L * 1.1L;
    }
    return values;
}

void formatEach(benchmark::State& state, const std::vector<Extended>& values)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToStr(values[i], ','));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FloatToStrWavelengths(benchmark::State& state)
{
    formatEach(state, uniformValues(4000, 7000, 1));
}
BENCHMARK(BM_FloatToStrWavelengths);

void BM_FloatToStrIntensities(benchmark::State& state)
{
    formatEach(state, uniformValues(0.5L, 2, 2));
}
BENCHMARK(BM_FloatToStrIntensities);

// Fluxes in erg/s/cm²/Å: still integer arithmetic, with a 192-bit product.
void BM_FloatToStrFluxes(benchmark::State& state)
{
    formatEach(state, uniformValues(1e-16L, 1e-14L, 3));
}
BENCHMARK(BM_FloatToStrFluxes);

// Magnitudes beyond the integer arithmetic go through the C library's exact conversion.
void BM_FloatToStrExactPath(benchmark::State& state)
{
    formatEach(state, uniformValues(1e-300L, 1e-299L, 4));
}
BENCHMARK(BM_FloatToStrExactPath);

// A whole result table: two numbers per line, 30000 lines.
void BM_FloatToStrResultTable(benchmark::State& state)
{
    const std::vector<Extended> x = uniformValues(4000, 7000, 5);
    const std::vector<Extended> y = uniformValues(0.5L, 2, 6);
    for (auto _ : state) {
        for (std::size_t i = 0; i < tableSize; ++i) {
            benchmark::DoNotOptimize(FloatToStr(x[i], ','));
            benchmark::DoNotOptimize(FloatToStr(y[i], ','));
        }
    }
    state.SetItemsProcessed(state.iterations() * 2 * static_cast<std::int64_t>(tableSize));
}
BENCHMARK(BM_FloatToStrResultTable)->Unit(benchmark::kMillisecond);

void BM_StrToFloatTableTexts(benchmark::State& state)
{
    const std::vector<std::string> texts{"5966,3636282813", "0,995555579662323", "4012,7", "1,25", " 6563 ",
                                         "-0,046",          "1,5E-15",           "7023,1"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(StrToFloat(texts[i], ','));
        i = i + 1 == texts.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StrToFloatTableTexts);

} // namespace
