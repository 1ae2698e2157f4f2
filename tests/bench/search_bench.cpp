// The search by requirement: its index built, the counts of every filter and the first screen
// of results after each change of a user's session (in the rules and through the window), the
// price book streamed, and every row of the price book read back through the decoder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "app/search/search_opener.h"
#include "app/search/search_window.h"
#include "rules/configurator/pricing.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/search/configuration_search.h"
#include "rules/search/price_book.h"
#include "rules/search/result_order.h"

namespace {

using namespace tarvek;
using namespace tarvek::search;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kFirstScreen = 30;  // rows a results view shows at once

void BM_SearchIndex(benchmark::State& state) {
    std::size_t bytes = 0, groups = 0;
    std::uint64_t configurations = 0;
    for (auto _ : state) {
        const SearchIndex index;
        bytes = index.memoryUse();
        groups = index.groups().size();
        configurations = index.size();
    }
    state.counters["configurations"] = double(configurations);
    state.counters["groups"] = double(groups);
    state.counters["index_kb"] = double(bytes) / 1024;
}
BENCHMARK(BM_SearchIndex)->Unit(benchmark::kMillisecond);

ValueId valueNamed(const SearchIndex& index, Attribute a, std::string_view name) {
    const auto& names = index.values(a);
    return ValueId(std::find(names.begin(), names.end(), name) - names.begin());
}

// A user's session: each step one change of a filter, from the opened window on.
std::vector<std::function<void(SearchQuery&)>> session(const SearchIndex& index) {
    const auto set = [&](Attribute a, std::string_view name) {
        return [a, v = valueNamed(index, a, name)](SearchQuery& q) { q[a] = {v}; };
    };
    const auto add = [&](Attribute a, std::string_view name) {
        return [a, v = valueNamed(index, a, name)](SearchQuery& q) { q[a].add(v); };
    };
    const auto clear = [](Attribute a) { return [a](SearchQuery& q) { q[a].clear(); }; };
    return {
        [](SearchQuery& q) { q.standardOnly = true; },
        set(Attribute::Actuator, "Air-operated, normally closed"),
        set(Attribute::ConnectionKind, "Male Face Seal"),
        set(Attribute::ConnectionSize, "1/4 inch"),
        add(Attribute::ConnectionKind, "Fixed Male Face Seal"),
        [](SearchQuery& q) { q.scope = ConnectionScope::EveryPort; },
        [](SearchQuery& q) { q.priceTo = Money{40000}; },
        set(Attribute::Body, "MX2 - Standard Series"),
        clear(Attribute::Body),
        [](SearchQuery& q) { q.text = "V"; },
        [](SearchQuery& q) { q.text = "VS"; },
        [](SearchQuery& q) { q.text = ""; },
        [](SearchQuery& q) { q.standardOnly = false; },
        set(Attribute::Seat, "VS - Vespel Seat"),
        set(Attribute::ProductType, "Diaphragm Valves"),
        set(Attribute::Porting, "4A"),
        clear(Attribute::ConnectionKind),
        clear(Attribute::ConnectionSize),
        [](SearchQuery& q) { q.priceTo.reset(); },
        set(Attribute::HandleColour, "RD - Red"),
        [](SearchQuery& q) { q.cvAtLeast = 0.4; },
        [](SearchQuery& q) { q.pressureAtLeast = 500; },
        [](SearchQuery& q) { q.text = "a33"; },
        clear(Attribute::Seat),
        [](SearchQuery& q) { q.text = "mxfx"; },
        [](SearchQuery& q) { q = {}; },
    };
}

// The counts of every filter and the first screen of results: the groups sorted, the first
// rows' texts, the first group opened.
std::size_t countsAndFirstScreen(ConfigurationSearch& search, const SearchQuery& q) {
    SearchResult r = search.find(q);
    sortGroups(search.index(), r.groups, ResultOrder::PriceLowFirst);
    std::size_t shown = 0;
    for (std::size_t i = 0; i < std::min(kFirstScreen, r.groups.size()); ++i)
        shown +=
            search.index().groups()[r.groups[i].group].prefix.size() + priceText(r.groups[i].lowest).size();
    if (!r.groups.empty()) {
        std::vector<ConfigurationId> ids = search.configurations(q, r.groups.front().group);
        sortConfigurations(search.index(), ids, ResultOrder::PriceLowFirst);
        for (std::size_t i = 0; i < std::min(kFirstScreen, ids.size()); ++i)
            shown += search.index().configuration(ids[i]).partNumber.size();
    }
    return shown + r.total;
}

void report(benchmark::State& state, std::vector<double> microseconds) {
    std::sort(microseconds.begin(), microseconds.end());
    state.counters["median_us"] = microseconds[microseconds.size() / 2];
    state.counters["max_us"] = microseconds.back();
    state.counters["changes"] = double(microseconds.size());
}

void BM_SearchFilterChange(benchmark::State& state) {
    const SearchIndex& index = searchIndex();
    std::vector<double> microseconds;
    for (auto _ : state) {
        ConfigurationSearch search(index);  // the window's first search, nothing kept yet
        SearchQuery q;
        benchmark::DoNotOptimize(countsAndFirstScreen(search, q));
        for (const auto& change : session(index)) {
            change(q);
            const auto start = Clock::now();
            benchmark::DoNotOptimize(countsAndFirstScreen(search, q));
            microseconds.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
    }
    report(state, microseconds);
}
BENCHMARK(BM_SearchFilterChange)->Unit(benchmark::kMillisecond);

// The worst change: a filter on the configurations themselves, with nothing narrowing the
// groups, over the full space and nothing kept.
void BM_SearchFullSpaceChange(benchmark::State& state) {
    const SearchIndex& index = searchIndex();
    for (auto _ : state) {
        ConfigurationSearch search(index);
        SearchQuery q;
        q.standardOnly = true;
        q.priceTo = Money{40000};
        benchmark::DoNotOptimize(countsAndFirstScreen(search, q));
    }
}
BENCHMARK(BM_SearchFullSpaceChange)->Unit(benchmark::kMillisecond);

// The same session through the window: a list's entry chosen, a box typed, the box ticked;
// counts written into every list, the results view refilled and painted.
void BM_SearchWindowFilterChange(benchmark::State& state) {
    frmTarvekProducts window;
    window.search().open();
    tarvek::SearchWindow& w = window.search().window();
    QApplication::processEvents();
    const auto choose = [&](const char* list, int row) {
        auto* combo = w.findChild<QComboBox*>(QString::fromLatin1(list));
        return [combo, row] {
            combo->setCurrentIndex(row);
            emit combo->activated(row);
        };
    };
    const auto type = [&](const char* box, const char* text) {
        auto* edit = w.findChild<QLineEdit*>(QString::fromLatin1(box));
        return [edit, text] { edit->setText(QString::fromLatin1(text)); };
    };
    auto* standard = w.findChild<QCheckBox*>(QStringLiteral("chkSearchStandardOnly"));
    const std::vector<std::function<void()>> changes = {
        [standard] { standard->setChecked(true); },
        choose("lstSearchActuator", 2),
        choose("lstSearchConnectionKind", 2),
        choose("lstSearchConnectionSize", 1),
        choose("lstSearchConnectionPlace", 1),
        type("txtSearchPriceTo", "400"),
        choose("lstSearchBody", 2),
        choose("lstSearchBody", 0),
        type("txtSearchWords", "V"),
        type("txtSearchWords", "VS"),
        type("txtSearchWords", ""),
        [standard] { standard->setChecked(false); },
        choose("lstSearchSeat", 2),
        choose("lstSearchProductType", 1),
        choose("lstSearchOrder", 2),
        choose("lstSearchConnectionKind", 0),
        type("txtSearchPriceTo", ""),
        choose("lstSearchHandleColor", 4),
    };
    auto* results = w.findChild<QTreeView*>(QStringLiteral("searchResults"));
    std::vector<double> microseconds;
    for (auto _ : state) {
        for (const auto& change : changes) {
            const auto start = Clock::now();
            change();
            results->viewport()->repaint();
            microseconds.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        w.findChild<QPushButton*>(QStringLiteral("cmdClearFilters"))->click();
    }
    report(state, microseconds);
}
BENCHMARK(BM_SearchWindowFilterChange)->Unit(benchmark::kMillisecond);

void BM_PriceBook(benchmark::State& state) {
    std::uint64_t rows = 0, bytes = 0;
    for (auto _ : state) {
        rows = bytes = 0;
        writePriceBook({}, [&](std::string_view row) {
            ++rows;
            bytes += row.size();
            return true;
        });
    }
    state.counters["rows"] = double(rows);
    state.counters["rows_per_s"] =
        benchmark::Counter(double(rows), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["mb"] = double(bytes) / 1e6;
}
BENCHMARK(BM_PriceBook)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every row of the price book decodes back to a configuration with its part number and list
// price, and that configuration, set in a configurator, shows both. Two threads share the
// rows; any row that does not read back stops the benchmark with an error.
void BM_PriceBookReadsBack(benchmark::State& state) {
    const PartNumberDecoder& decoder = partNumberDecoder();
    std::uint64_t rows = 0, readBack = 0;
    std::string firstFailure;
    for (auto _ : state) {
        std::vector<std::pair<std::string, std::string>> batch;  // part number, list price
        const auto check = [&](std::size_t from, std::size_t step, std::uint64_t& good,
                               std::string& failure) {
            for (std::size_t i = from; i < batch.size(); i += step) {
                const std::string& number = batch[i].first;
                // A price on request is empty in the book; the configurator adds up 0.
                const std::string price = batch[i].second.empty() ? "0" : batch[i].second;
                const PartNumberDecoding decoded = decoder.decode(number);
                const auto same = std::find_if(
                    decoded.configurations.begin(), decoded.configurations.end(), [&](const auto& c) {
                        return c.state.partNumber == number && listPriceText(c.state.listPrice) == price;
                    });
                bool ok = same != decoded.configurations.end();
                if (ok) {
                    Configurator set;
                    for (const ConfiguratorEvent& e : same->events) set.apply(e);
                    ok = set.state().partNumber == number && listPriceText(set.state().listPrice) == price;
                }
                if (ok)
                    ++good;
                else if (failure.empty())
                    failure = number + " at " + price;
            }
        };
        const auto flush = [&] {
            std::uint64_t good[2] = {0, 0};
            std::string failures[2];
            std::thread other([&] { check(1, 2, good[1], failures[1]); });
            check(0, 2, good[0], failures[0]);
            other.join();
            readBack += good[0] + good[1];
            if (firstFailure.empty()) firstFailure = failures[0].empty() ? failures[1] : failures[0];
            batch.clear();
        };
        writePriceBook({}, [&](std::string_view row) {
            // The first and third fields: the part number and the list price (neither is quoted).
            const auto first = row.find(','), second = row.find(',', first + 1),
                       third = row.find(',', second + 1);
            batch.emplace_back(std::string(row.substr(0, first)),
                               std::string(row.substr(second + 1, third - second - 1)));
            ++rows;
            if (batch.size() == 100000) flush();
            return true;
        });
        flush();
    }
    state.counters["rows"] = double(rows);
    state.counters["read_back"] = double(readBack);
    if (!firstFailure.empty()) state.SkipWithError(("does not read back: " + firstFailure).c_str());
}
BENCHMARK(BM_PriceBookReadsBack)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
