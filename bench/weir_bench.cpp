// How long the solver takes over the flows the window is meant for: every whole flow from
// 10 to 20,000 L/min on the 1-1,000 mm bracket, and one evaluation of the weir law.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "weir/fn1.h"
#include "weir/solve_head.h"

namespace {

constexpr int kFirstFlow = 10;
constexpr int kLastFlow = 20000;
constexpr int kSolvesPerSweep = kLastFlow - kFirstFlow + 1;
constexpr std::int64_t kCallsPerTrial = 3;

void SolveEveryWholeFlow(benchmark::State& state) {
    std::int64_t trials = 0;
    for ([[maybe_unused]] auto _ : state) {
        trials = 0;
        for (int litres = kFirstFlow; litres <= kLastFlow; ++litres) {
            const weir::HeadSolution solution = weir::SolveHead(litres / 1000.0, 0.001, 1.0);
            benchmark::DoNotOptimize(solution);
            trials += solution.trials;
        }
    }
    using benchmark::Counter;
    const auto perCall = Counter::kIsIterationInvariantRate | Counter::kInvert;
    state.counters["per_solve"] = Counter(kSolvesPerSweep, perCall);
    state.counters["per_FN1"] = Counter(static_cast<double>(trials * kCallsPerTrial), perCall);
    state.counters["trials"] = static_cast<double>(trials);
}
BENCHMARK(SolveEveryWholeFlow)->Unit(benchmark::kMillisecond);

void WeirLaw(benchmark::State& state) {
    double h = 0.17;
    double residual = 0.0;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(h);
        weir::FN1(residual, h, 1.0);
        benchmark::DoNotOptimize(residual);
    }
}
BENCHMARK(WeirLaw);

}  // namespace
