// The configurator model alone: the walk over every reachable configuration as a whole,
// and each of its events timed on its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "tests/support/cascade_walk.h"

namespace {

using tarvek::Configurator;
using tarvek::testing::CascadeWalk;
using tarvek::testing::Click;
using tarvek::testing::ModelControls;

void BM_ModelWalk(benchmark::State& state) {
    long clicks = 0;
    for (auto _ : state) {
        Configurator model;
        CascadeWalk walk(ModelControls{&model});
        walk.run();
        clicks = walk.clicks();
        benchmark::DoNotOptimize(model.state().partNumber);
    }
    state.counters["clicks"] = double(clicks);
}
BENCHMARK(BM_ModelWalk)->Unit(benchmark::kMillisecond);

void BM_ModelEvent(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        Configurator model;
        CascadeWalk walk(ModelControls{&model});
        std::vector<double> nanoseconds;
        Clock::time_point start;
        walk.beforeClick = [&](const Click&) { start = Clock::now(); };
        walk.afterClick = [&](const Click&) {
            nanoseconds.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count());
        };
        walk.run();
        std::sort(nanoseconds.begin(), nanoseconds.end());
        state.counters["median_us"] = nanoseconds[nanoseconds.size() / 2] / 1e3;
        state.counters["max_us"] = nanoseconds.back() / 1e3;
    }
}
BENCHMARK(BM_ModelEvent)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
