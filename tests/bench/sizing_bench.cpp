// The sizing by the standard: its equations and curve alone (a keystroke in the window is
// measured with the flow curve's).
#include <benchmark/benchmark.h>

#include "rules/calculator/sizing_calculation.h"
#include "rules/calculator/sizing_curve.h"

namespace {

tarvek::SizingTexts nitrogen(tarvek::SizingUnknown unknown) {
    tarvek::SizingTexts t{{}, "0.967", "1.4", unknown, {}};
    t.boxes = {"70", "100", "80", "0.23", "276.2", "0.5", "1", "", "", "", ""};
    return t;
}

void BM_SizingCurvePoints(benchmark::State& state) {
    const tarvek::SizingTexts texts = nitrogen(tarvek::SizingUnknown::Flow);
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::sizingCurve(texts).points.size());
    state.counters["points"] = double(tarvek::sizingCurve(texts).points.size());
}
BENCHMARK(BM_SizingCurvePoints)->Unit(benchmark::kMicrosecond);

// The slowest unknown: the outlet pressure, found by bisection over the flow equation.
void BM_SizingOutletPressure(benchmark::State& state) {
    const tarvek::SizingTexts texts = nitrogen(tarvek::SizingUnknown::OutletPressure);
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::calculateSizing(texts).ok());
}
BENCHMARK(BM_SizingOutletPressure)->Unit(benchmark::kMicrosecond);

// The costliest curve: a small valve at a low flow, not turbulent, so that every point
// solves the Reynolds number factor by bisection (the standard's argon example).
void BM_SizingCurveNotTurbulent(benchmark::State& state) {
    tarvek::SizingTexts t{{}, "1.379489", "1.67", tarvek::SizingUnknown::OutletPressure, {}};
    t.boxes = {"116.33", "25.914",    "4.159", "0.0185", "7.68", "0.8",
               "1",      "0.0226067", "15",    "0.0618", "0.98"};
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::sizingCurve(t).points.size());
    state.counters["not turbulent"] =
        tarvek::calculateSizing(t).ok() && !tarvek::calculateSizing(t).sizing->turbulent;
}
BENCHMARK(BM_SizingCurveNotTurbulent)->Unit(benchmark::kMicrosecond);

}  // namespace
