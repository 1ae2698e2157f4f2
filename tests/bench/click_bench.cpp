// Response to a click: every click of the exhaustive configurator walk timed on its own,
// reported as median and maximum (pictures and drawings decoded as a user sees them).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <algorithm>

#include "tests/support/configurator_walk.h"

namespace {

void BM_ConfiguratorClick(benchmark::State& state) {
    for (auto _ : state) {
        frmTarvekProducts window;
        tarvek::testing::ConfiguratorWalk walk(window);
        std::vector<qint64> nanoseconds;
        QElapsedTimer timer;
        walk.beforeClick = [&](const tarvek::testing::Click&) { timer.start(); };
        walk.afterClick = [&](const tarvek::testing::Click&) { nanoseconds.push_back(timer.nsecsElapsed()); };
        walk.run();

        std::sort(nanoseconds.begin(), nanoseconds.end());
        state.counters["clicks"] = double(nanoseconds.size());
        state.counters["median_us"] = double(nanoseconds[nanoseconds.size() / 2]) / 1e3;
        state.counters["p99_us"] = double(nanoseconds[nanoseconds.size() * 99 / 100]) / 1e3;
        state.counters["max_us"] = double(nanoseconds.back()) / 1e3;
    }
}
BENCHMARK(BM_ConfiguratorClick)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
