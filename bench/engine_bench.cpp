#include "engine/bmi_category.h"
#include "engine/composition.h"
#include "engine/fat_rating.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

namespace fenwake {
namespace {

// A small rotating set of entries keeps the compiler from folding the call into a constant.
constexpr std::array<Measurements, 4> entries{{
    {34.0, 180.0, 70.0, false, false},
    {80.0, 65.0, 170.0, true, true},
    {60.0, 100.0, 70.0, false, false},
    {91.5, 102.25, 183.0, false, true},
}};

void computeCompositionCall(benchmark::State& state) {
    std::size_t next = 0;
    for (auto _ : state) {
        Measurements entry = entries[next++ & 3];
        benchmark::DoNotOptimize(entry);
        CompositionResult result = computeComposition(entry);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(computeCompositionCall);

void rateFatPercentageCall(benchmark::State& state) {
    double percentage = 3.0;
    bool female = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(percentage);
        benchmark::DoNotOptimize(rateFatPercentage(percentage, female));
        percentage = percentage > 40.0 ? 3.0 : percentage + 1.75;
        female = !female;
    }
}
BENCHMARK(rateFatPercentageCall);

void categoriseBodyMassIndexCall(benchmark::State& state) {
    double index = 15.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(index);
        benchmark::DoNotOptimize(categoriseBodyMassIndex(index));
        index = index > 35.0 ? 15.0 : index + 1.3;
    }
}
BENCHMARK(categoriseBodyMassIndexCall);

} // namespace
} // namespace fenwake

BENCHMARK_MAIN();
