// Tagged services at the size of a plant's instrument index: 1,000 services sized case by
// case, each tag's valve checked and the open tags given the cheapest standard valves; and the
// memory a quote of 10,000 lines with services holds, with the configurator's events the
// window keeps.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>

#include "rules/quotes/quotation_lines.h"
#include "rules/quotes/service_steps.h"
#include "rules/quotes/services_table.h"
#include "tests/support/many_part_numbers.h"
#include "tests/support/services_examples.h"

namespace {

const std::vector<tarvek::GasRecord> kGases = {{"Nitrogen", "0.967", "1.4"},
                                               {"Air", "1", "1.4"},
                                               {"Argon", "1.38", "1.667"},
                                               {"Oxygen", "1.105", "1.4"}};

// Resident memory in kB.
double residentKb() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024;
}

// 1,000 tags: every third names a valve (one that serves it or not), the rest have none yet.
const tarvek::Quotation& thousandTags() {
    static const tarvek::Quotation quotation = [] {
        tarvek::Quotation q;
        const std::vector<std::string> valves = {"A310-MX2-2A-MXFX-VS", "J310-MX3-2A-TXTX",
                                                 "N33-MX4-2A-TXTX"};
        std::size_t i = 0;
        for (tarvek::Service& service : tarvek::testing::manyServices(1000)) {
            tarvek::QuotationLine line;
            if (i % 3 == 0) line = *tarvek::lineForPartNumber(valves[i / 3 % valves.size()]);
            line.service = std::move(service);
            q.lines.push_back(std::move(line));
            ++i;
        }
        return q;
    }();
    return quotation;
}

void BM_ThousandServicesSizedCheckedProposed(benchmark::State& state) {
    const tarvek::search::SearchIndex& index = tarvek::search::searchIndex();  // built once, on its own
    const tarvek::Quotation& q = thousandTags();
    std::size_t proposed = 0, open = 0;
    for (auto _ : state) {
        proposed = open = 0;
        const std::vector<std::optional<tarvek::ServiceCheck>> checks = tarvek::checkLines(q, kGases);
        for (std::size_t i = 0; i < q.lines.size(); ++i) {
            if (!checks[i] || !tarvek::isOpenTag(*checks[i])) continue;
            ++open;
            proposed += tarvek::lineProposals(q.lines[i], *checks[i], index).valves.size();
        }
        benchmark::DoNotOptimize(proposed);
    }
    state.counters["open_tags"] = double(open);
    state.counters["proposals"] = double(proposed);
}
BENCHMARK(BM_ThousandServicesSizedCheckedProposed)->Unit(benchmark::kMillisecond);

void BM_QuoteOfTenThousandLinesWithServices(benchmark::State& state) {
    const std::vector<std::string> numbers = tarvek::testing::manyPartNumbers(2000);
    const std::vector<tarvek::Service> services = tarvek::testing::manyServices(10'000);
    tarvek::lineForPartNumber(
        numbers.front());  // the decoder's index, built once a session, is not the quote's
    for (auto _ : state) {
        const double before = residentKb();
        tarvek::Quotation q;
        q.lines.reserve(services.size());
        for (std::size_t i = 0; i < services.size(); ++i) {
            q.lines.push_back(*tarvek::lineForPartNumber(numbers[i % numbers.size()]));
            q.lines.back().service = services[i];
        }
        state.counters["quote_mb"] = (residentKb() - before) / 1024;
        benchmark::DoNotOptimize(q);
    }
}
BENCHMARK(BM_QuoteOfTenThousandLinesWithServices)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
