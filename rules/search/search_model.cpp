#include "rules/search/search_model.h"

#include <algorithm>

#include "rules/configurator/pricing.h"
#include "rules/search/search_texts.h"

namespace tarvek::search {
namespace {

constexpr std::string_view kAny = "Any";
// The free text asked of the search: enough for any part number and a few words.
constexpr std::size_t kLongestWords = 200;
constexpr std::size_t kQuotedPrice = 20;  // characters of a bad price quoted back

std::size_t minimumIndex(Attribute a) { return a == Attribute::Cv ? 0 : 1; }

std::string psigName(int psig) { return std::to_string(psig) + " psig"; }

}  // namespace

SearchModel::SearchModel(const SearchIndex& index) : search_(index) {
    for (std::size_t a = 0; a < kAttributeCount; ++a) s_.lists[a].takesSeveral = !isMinimum(Attribute(a));
    resetMinimums();
    run();
}

void SearchModel::resetMinimums() {
    for (const Attribute a : {Attribute::Cv, Attribute::RatedPressure}) {
        std::vector<Minimum>& list = minimums_[minimumIndex(a)];
        list.clear();
        const std::vector<int>& ratings = index().ratings(a);
        for (std::size_t v = 1; v < ratings.size(); ++v)
            list.push_back(a == Attribute::Cv ? Minimum{index().values(a)[v], ratings[v] / 1000.0}
                                              : Minimum{psigName(ratings[v]), double(ratings[v])});
        minimumRow_[minimumIndex(a)].reset();
    }
}

void SearchModel::chooseRow(Attribute a, std::size_t row) {
    const auto at = std::size_t(a);
    if (isMinimum(a)) {
        if (row <= minimums_[minimumIndex(a)].size())
            minimumRow_[minimumIndex(a)] = row == 0 ? std::nullopt : std::optional(row - 1);
    } else if (row == 0) {
        chosen_[at].clear();
    } else if (row <= index().entries(a).size()) {
        chosen_[at] = index().entries(a)[row - 1].values;
    }
    run();
}

void SearchModel::toggleRow(Attribute a, std::size_t row) {
    if (isMinimum(a) || row == 0 || row > index().entries(a).size()) return chooseRow(a, row);
    ValueSet& chosen = chosen_[std::size_t(a)];
    const ValueSet& values = index().entries(a)[row - 1].values;
    if (chosen.includes(values))
        chosen.remove(values);
    else
        chosen.add(values);
    run();
}

void SearchModel::chooseScope(ConnectionScope scope) {
    s_.scope = scope;
    run();
}

void SearchModel::chooseStandardOnly(bool on) {
    s_.standardOnly = on;
    run();
}

void SearchModel::typeWords(std::string_view text) {
    s_.words = text;
    run();
}

void SearchModel::typePriceFrom(std::string_view text) {
    s_.priceFrom = text;
    run();
}

void SearchModel::typePriceTo(std::string_view text) {
    s_.priceTo = text;
    run();
}

void SearchModel::clear() {
    for (ValueSet& chosen : chosen_) chosen.clear();
    for (auto& row : minimumRow_) row.reset();
    s_.scope = ConnectionScope::AnyPort;
    s_.standardOnly = false;
    s_.words.clear();
    s_.priceFrom.clear();
    s_.priceTo.clear();
    run();
}

void SearchModel::findValves(std::optional<double> cv, std::optional<double> inletPsig) {
    for (ValueSet& chosen : chosen_) chosen.clear();
    resetMinimums();
    s_.scope = ConnectionScope::AnyPort;
    s_.standardOnly = false;
    s_.words.clear();
    s_.priceFrom.clear();
    s_.priceTo.clear();
    if (const auto minimum = cv ? cvMinimum(*cv) : std::nullopt)
        chooseMinimum(Attribute::Cv, *minimum, cvMinimumText(*minimum));
    if (const auto minimum = inletPsig ? pressureThreshold(*inletPsig) : std::nullopt)
        chooseMinimum(Attribute::RatedPressure, *minimum, psigName(*minimum));
    run();
}

// The rating of that name, or a row of its own in its place among the ascending ratings.
void SearchModel::chooseMinimum(Attribute a, double value, const std::string& name) {
    std::vector<Minimum>& list = minimums_[minimumIndex(a)];
    const auto same =
        std::find_if(list.begin(), list.end(), [&](const Minimum& m) { return m.name == name; });
    if (same != list.end()) {
        minimumRow_[minimumIndex(a)] = std::size_t(same - list.begin());
        return;
    }
    const auto place =
        std::find_if(list.begin(), list.end(), [&](const Minimum& m) { return m.value > value; });
    minimumRow_[minimumIndex(a)] = std::size_t(list.insert(place, {name, value}) - list.begin());
}

void SearchModel::run() {
    readQuery();
    s_.result = search_.find(s_.query);
    showLists();
    const SearchResult& r = s_.result;
    s_.standardOnlyCount = r.standardOnly;
    s_.lowestPrice = r.lowestPrice ? priceText(*r.lowestPrice) : std::string();
    s_.highestPrice = r.highestPrice ? priceText(*r.highestPrice) : std::string();
    s_.found = foundText(r.total, r.groups.size());
    if (r.total == 0 && s_.notes.empty())
        s_.notes.push_back("Choose \u201cAny\u201d in a filter to see more.");
}

void SearchModel::readQuery() {
    SearchQuery& q = s_.query;
    q = {};
    s_.notes.clear();
    q.chosen = chosen_;
    if (const auto row = minimumRow_[0]) q.cvAtLeast = minimums_[0][*row].value;
    if (const auto row = minimumRow_[1]) q.pressureAtLeast = int(minimums_[1][*row].value);
    q.scope = s_.scope;
    q.standardOnly = s_.standardOnly;
    const auto bound = [&](const std::string& typed, std::optional<Money>& amount) {
        const PriceBound read = readPriceBound(typed);
        if (!read.valid)
            s_.notes.push_back("\u201c" + std::string(firstCharacters(typed, kQuotedPrice)) +
                               "\u201d is not a price: type US dollars, such as 250, 1,200 or 99.50.");
        amount = read.amount;
    };
    bound(s_.priceFrom, q.priceFrom);
    bound(s_.priceTo, q.priceTo);
    if (q.priceFrom && q.priceTo && *q.priceFrom > *q.priceTo)
        s_.notes.push_back("The lowest price asked is above the highest: no price lies between.");
    q.text = firstCharacters(s_.words, kLongestWords);
    if (q.text.size() < s_.words.size())
        s_.notes.push_back("Only the first " + std::to_string(kLongestWords) +
                           " characters of the words are searched.");
}

void SearchModel::showLists() {
    for (std::size_t a = 0; a < kAttributeCount; ++a) {
        FilterListState& list = s_.lists[a];
        list.rows.assign(1, ListRow{std::string(kAny), s_.result.any[a], false, true});
        if (isMinimum(Attribute(a)))
            showMinimums(Attribute(a));
        else
            showChoices(Attribute(a));
        for (ListRow& row : list.rows) row.enabled = row.count > 0 || row.chosen;
        list.chosenText = list.current ? list.rows[*list.current].name : list.chosenText;
        list.chosenCount = s_.result.total;
    }
}

void SearchModel::showMinimums(Attribute a) {
    FilterListState& list = s_.lists[std::size_t(a)];
    const std::vector<int>& ratings = index().ratings(a);
    const std::vector<std::uint64_t>& counts = s_.result.counts[std::size_t(a)];
    const std::optional<std::size_t> chosen = minimumRow_[minimumIndex(a)];
    for (std::size_t m = 0; m < minimums_[minimumIndex(a)].size(); ++m) {
        const Minimum& minimum = minimums_[minimumIndex(a)][m];
        // A minimum leaves what the lowest rating reaching it leaves.
        std::uint64_t count = 0;
        for (std::size_t v = 1; v < ratings.size(); ++v)
            if (a == Attribute::Cv ? reaches(ratings[v], minimum.value) : ratings[v] >= minimum.value) {
                count = counts[v - 1];
                break;
            }
        list.rows.push_back({minimum.name, count, chosen == m, false});
    }
    list.current = chosen ? *chosen + 1 : 0;
    list.rows[0].chosen = !chosen;
}

void SearchModel::showChoices(Attribute a) {
    FilterListState& list = s_.lists[std::size_t(a)];
    const ValueSet& chosen = chosen_[std::size_t(a)];
    const std::vector<ListEntry>& entries = index().entries(a);
    list.current.reset();
    list.chosenText.clear();
    list.rows[0].chosen = chosen.empty();
    if (chosen.empty()) list.current = 0;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const bool all = !chosen.empty() && chosen.includes(entries[e].values);
        list.rows.push_back({entries[e].name, s_.result.counts[std::size_t(a)][e], all, false});
        if (!chosen.empty() && entries[e].values == chosen && !list.current) list.current = e + 1;
        // A value chosen, named once: by itself, not by its family.
        if (all && entries[e].values.size() == 1)
            list.chosenText += (list.chosenText.empty() ? "" : " or ") + entries[e].name;
    }
}

}  // namespace tarvek::search
