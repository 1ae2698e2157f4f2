// Reading part numbers back: building the decoder's index, and one decode once it exists.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "rules/part_numbers/part_number_decoder.h"
#include "tests/support/cascade_walk.h"

namespace {

// The distinct part numbers of the configurator walk: every kind of product.
const std::vector<std::string>& walkedPartNumbers() {
    static const std::vector<std::string> numbers = [] {
        std::vector<std::string> all;
        tarvek::Configurator model;
        tarvek::testing::CascadeWalk walk(tarvek::testing::ModelControls{&model});
        walk.afterClick = [&](const tarvek::testing::Click&) {
            if (!model.state().partNumber.empty()) all.push_back(model.state().partNumber);
        };
        walk.run();
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return numbers;
}

void BM_DecoderIndex(benchmark::State& state) {
    for (auto _ : state) {
        tarvek::PartNumberDecoder decoder;
        benchmark::DoNotOptimize(decoder.indexSize());
    }
}
BENCHMARK(BM_DecoderIndex)->Unit(benchmark::kMillisecond);

void BM_DecodeOne(benchmark::State& state) {
    const auto& numbers = walkedPartNumbers();
    const tarvek::PartNumberDecoder& decoder = tarvek::partNumberDecoder();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decoder.decode(numbers[i]));
        i = (i + 7919) % numbers.size();
    }
}
BENCHMARK(BM_DecodeOne)->Unit(benchmark::kMicrosecond);

}  // namespace
