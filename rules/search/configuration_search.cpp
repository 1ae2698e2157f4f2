#include "rules/search/configuration_search.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

#include "rules/search/group_walk.h"
#include "rules/search/prepared_query.h"

namespace tarvek::search {
namespace {

constexpr std::int64_t kNoPrice = std::numeric_limits<std::int64_t>::max();

void widen(Money& low, Money& high, std::int64_t price) {
    low.cents = std::min(low.cents, price);
    high.cents = std::max(high.cents, price);
}

}  // namespace

// What a group's configurations give for the configuration-level filters.
struct ConfigurationSearch::GroupStats {
    std::uint64_t pass = 0, nonStandard = 0;  // meeting every configuration filter
    Money lowest{kNoPrice}, highest{-kNoPrice};
    std::array<std::uint64_t, kFilterCount> failingAlone{};
    std::uint64_t standardLeft = 0;                  // meeting every other, and standard
    Money priceLow{kNoPrice}, priceHigh{-kNoPrice};  // of those meeting every other
    // Meeting every other with a kind or size entry added, or with the kind or size left to any.
    std::array<std::uint64_t, kMaxEntries> kinds{}, sizes{};
    std::uint64_t anyKind = 0, anySize = 0;
    std::array<std::array<std::uint64_t, kMaxValues>, 3> options{};  // per value
};

struct ConfigurationSearch::Cache {
    std::optional<PreparedQuery> key;
    std::vector<std::optional<GroupStats>> stats;
};

ConfigurationSearch::ConfigurationSearch(const SearchIndex& index)
    : index_(index), unfiltered_(std::make_unique<Cache>()), latest_(std::make_unique<Cache>()) {
    for (const Attribute a : {Attribute::ConnectionKind, Attribute::ConnectionSize, Attribute::Seat,
                              Attribute::HandleColour, Attribute::LeverHandle})
        if (index.values(a).size() > kMaxValues || index.entries(a).size() > kMaxEntries)
            throw std::length_error("more values than a search counts");
}

ConfigurationSearch::~ConfigurationSearch() = default;

namespace {

FilterMask groupFails(const SearchIndex& index, const IndexGroup& g, const SearchQuery& q) {
    FilterMask fails = 0;
    for (std::size_t a = 0; a < std::size_t(Attribute::Cv); ++a)
        if (!q.chosen[a].empty() && !q.chosen[a].contains(g.values[a])) fails |= FilterMask(1) << a;
    const ValueId cv = g.values[std::size_t(Attribute::Cv)];
    if (q.cvAtLeast && (cv == kNone || !reaches(index.ratings(Attribute::Cv)[cv], *q.cvAtLeast)))
        fails |= bit(Filter::Cv);
    const ValueId psig = g.values[std::size_t(Attribute::RatedPressure)];
    if (q.pressureAtLeast &&
        (psig == kNone || index.ratings(Attribute::RatedPressure)[psig] < *q.pressureAtLeast))
        fails |= bit(Filter::RatedPressure);
    return fails;
}

// Whether a configuration's list price fails the price range: one the catalogue gives no
// price lies within no range.
bool outsidePrices(const PreparedQuery& q, const IndexGroup& g, std::int64_t price) {
    if (!q.priceFilter()) return false;
    return g.priceOnRequest || (q.query.priceFrom && price < q.query.priceFrom->cents) ||
           (q.query.priceTo && price > q.query.priceTo->cents);
}

bool isMinimum(Attribute a) { return a == Attribute::Cv || a == Attribute::RatedPressure; }
bool isConnection(Attribute a) { return a == Attribute::ConnectionKind || a == Attribute::ConnectionSize; }

}  // namespace

SearchResult ConfigurationSearch::find(const SearchQuery& query) {
    const PreparedQuery q(index_, query);
    Cache& cache = q.configurationLevel() ? *latest_ : *unfiltered_;
    if (!cache.key || !cache.key->sameConfigurationFilters(q)) {
        cache.key.emplace(q);
        cache.stats.assign(index_.groups().size(), std::nullopt);
    }

    SearchResult r;
    // Per attribute and value: what meets every other filter and has that value.
    std::array<std::vector<std::uint64_t>, kAttributeCount> byValue;
    for (std::size_t a = 0; a < kAttributeCount; ++a) {
        byValue[a].assign(index_.values(Attribute(a)).size(), 0);
        r.counts[a].assign(index_.entries(Attribute(a)).size(), 0);
    }
    std::vector<std::uint64_t>& kinds = r.counts[std::size_t(Attribute::ConnectionKind)];
    std::vector<std::uint64_t>& sizes = r.counts[std::size_t(Attribute::ConnectionSize)];
    Money priceLow{kNoPrice}, priceHigh{-kNoPrice};

    for (std::size_t gi = 0; gi < index_.groups().size(); ++gi) {
        const IndexGroup& g = index_.groups()[gi];
        const FilterMask fails = groupFails(index_, g, query);
        if (fails != 0 && !isSingle(fails)) continue;
        if (!cache.stats[gi]) cache.stats[gi] = stats(g, q);
        const GroupStats& st = *cache.stats[gi];
        for (std::size_t a = 0; a < kGroupAttributes; ++a)
            if ((fails & ~bit(filterOf(Attribute(a)))) == 0) byValue[a][g.values[a]] += st.pass;
        if (fails != 0) continue;

        r.total += st.pass;
        if (st.pass > 0)
            r.groups.push_back({gi, st.pass, g.priceOnRequest ? Money{} : st.lowest,
                                g.priceOnRequest ? Money{} : st.highest, g.priceOnRequest, st.nonStandard});
        for (std::size_t f = std::size_t(Filter::Connection); f < std::size_t(Filter::Text); ++f)
            r.without[f] += st.pass + st.failingAlone[f];
        for (std::size_t e = 0; e < kinds.size(); ++e) kinds[e] += st.kinds[e];
        for (std::size_t e = 0; e < sizes.size(); ++e) sizes[e] += st.sizes[e];
        r.any[std::size_t(Attribute::ConnectionKind)] += st.anyKind;
        r.any[std::size_t(Attribute::ConnectionSize)] += st.anySize;
        for (std::size_t o = 0; o < 3; ++o)
            for (std::size_t v = 0; v < byValue[std::size_t(kOptionAttributes[o])].size(); ++v)
                byValue[std::size_t(kOptionAttributes[o])][v] += st.options[o][v];
        r.standardOnly += st.standardLeft;
        priceLow.cents = std::min(priceLow.cents, st.priceLow.cents);
        priceHigh.cents = std::max(priceHigh.cents, st.priceHigh.cents);
    }
    for (std::size_t a = 0; a < kAttributeCount; ++a) {
        const auto attribute = Attribute(a);
        if (isConnection(attribute)) continue;
        const std::vector<ListEntry>& entries = index_.entries(attribute);
        if (isMinimum(attribute)) {
            // A minimum leaves every rating at or above it; entry e is the rating of value e + 1.
            std::uint64_t atOrAbove = 0;
            for (std::size_t v = byValue[a].size(); v-- > 1;) r.counts[a][v - 1] = atOrAbove += byValue[a][v];
            r.without[std::size_t(filterOf(attribute))] = atOrAbove + byValue[a][kNone];
        } else {
            // A configuration has one value of the attribute: an entry adds its values' counts.
            for (std::size_t e = 0; e < entries.size(); ++e)
                for (const ValueId v : joined(query[attribute], entries[e].values))
                    r.counts[a][e] += byValue[a][v];
            if (attribute < Attribute::Cv)
                for (const std::uint64_t n : byValue[a]) r.without[a] += n;
        }
        r.any[a] = r.without[std::size_t(filterOf(attribute))];
    }
    if (priceLow.cents != kNoPrice) {
        r.lowestPrice = priceLow;
        r.highestPrice = priceHigh;
    }
    return r;
}

ConfigurationSearch::GroupStats ConfigurationSearch::stats(const IndexGroup& g,
                                                           const PreparedQuery& q) const {
    GroupStats st;
    const GroupWalk walk(g, q);
    if (walk.textImpossible()) return st;
    const auto& combos = walk.combos();
    // Per combo: configurations meeting every filter, or failing its option filter alone.
    std::vector<std::uint64_t> comboPass(combos.size()), comboAlone(combos.size());
    // Where no choice of options fails and neither prices nor words are asked, every choice of
    // options shares its connections' fate: counted at once, not one by one (the search
    // opens with no filter, over every configuration).
    const bool optionsAllPass =
        !q.priceFilter() && !walk.hasOpenWords() &&
        std::all_of(combos.begin(), combos.end(), [](const GroupWalk::Combo& k) { return k.fails == 0; });
    std::int64_t comboLowest = kNoPrice, comboHighest = -kNoPrice;
    for (const GroupWalk::Combo& k : combos) {
        comboLowest = std::min(comboLowest, k.price);
        comboHighest = std::max(comboHighest, k.price);
    }
    std::uint64_t connectionsAllPass = 0;  // choices of connections whose every combo passed
    walk.forEachConnections(q, [&](const GroupWalk::Connections& c) {
        if (c.fails != 0 && !isSingle(c.fails)) return;
        std::uint64_t pass = 0, connectionAlone = 0;
        if (optionsAllPass) {
            const std::uint64_t n = combos.size();
            if (c.fails == 0) {
                pass = n;
                ++connectionsAllPass;
                if (!g.priceOnRequest)
                    for (const std::int64_t price : {c.price + comboLowest, c.price + comboHighest}) {
                        widen(st.lowest, st.highest, price);
                        widen(st.priceLow, st.priceHigh, price);
                    }
            } else {
                const auto alone = Filter(std::countr_zero(c.fails));
                st.failingAlone[std::size_t(alone)] += n;
                if (alone == Filter::Connection) connectionAlone = n;
            }
        }
        for (std::size_t k = 0; !optionsAllPass && k < combos.size(); ++k) {
            const std::int64_t price = c.price + combos[k].price;
            FilterMask fails = c.fails | combos[k].fails;
            if (outsidePrices(q, g, price)) fails |= bit(Filter::Price);
            if (fails != 0 && !isSingle(fails)) continue;
            if (walk.hasOpenWords() && walk.failsText(c, k)) fails |= bit(Filter::Text);
            if (fails == 0) {
                ++pass;
                ++comboPass[k];
                if (!g.priceOnRequest) {
                    widen(st.lowest, st.highest, price);
                    widen(st.priceLow, st.priceHigh, price);
                }
                continue;
            }
            if (!isSingle(fails)) continue;
            const auto alone = Filter(std::countr_zero(fails));
            ++st.failingAlone[std::size_t(alone)];
            switch (alone) {
                case Filter::Connection:
                    ++connectionAlone;
                    break;
                case Filter::Price:
                    if (!g.priceOnRequest) widen(st.priceLow, st.priceHigh, price);
                    break;
                case Filter::Seat:
                case Filter::HandleColour:
                case Filter::LeverHandle:
                    ++comboAlone[k];
                    break;
                default:
                    break;
            }
        }
        // "Standard only" leaves the standard configurations that pass (one failing that filter
        // alone is not standard).
        st.pass += pass;
        if (c.nonStandard)
            st.nonStandard += pass;
        else
            st.standardLeft += pass;
        countConnectionEntries(st, q, c.pairs, pass + connectionAlone);
    });
    for (std::uint64_t& n : comboPass) n += connectionsAllPass;
    for (std::size_t k = 0; k < combos.size(); ++k)
        for (std::size_t o = 0; o < 3; ++o) {
            // A combo failing its option filter alone counts for that option's own value only.
            const bool alone = (combos[k].fails & bit(kOptionFilters[o])) != 0;
            st.options[o][combos[k].values[o]] += comboPass[k] + (alone ? comboAlone[k] : 0);
        }
    return st;
}

// What a choice of connections meeting every filter but the connection's (`left` of its
// configurations) gives the kind and size lists: each entry and "any" that its pairs meet.
void ConfigurationSearch::countConnectionEntries(GroupStats& st, const PreparedQuery& q, std::uint64_t pairs,
                                                 std::uint64_t left) {
    if (left == 0) return;
    const ConnectionScope scope = q.query.scope;
    for (std::size_t e = 0; e < q.kindEntrySelection.size(); ++e)
        if (matches(scope, pairs, q.kindEntrySelection[e])) st.kinds[e] += left;
    for (std::size_t e = 0; e < q.sizeEntrySelection.size(); ++e)
        if (matches(scope, pairs, q.sizeEntrySelection[e])) st.sizes[e] += left;
    if (!q.anyKindSelection || matches(scope, pairs, *q.anyKindSelection)) st.anyKind += left;
    if (!q.anySizeSelection || matches(scope, pairs, *q.anySizeSelection)) st.anySize += left;
}

std::vector<ConfigurationId> ConfigurationSearch::configurations(const SearchQuery& query,
                                                                 std::size_t gi) const {
    std::vector<ConfigurationId> found;
    if (gi >= index_.groups().size()) return found;
    const IndexGroup& g = index_.groups()[gi];
    if (groupFails(index_, g, query) != 0) return found;
    const PreparedQuery q(index_, query);
    const GroupWalk walk(g, q);
    if (walk.textImpossible()) return found;
    const auto& combos = walk.combos();
    walk.forEachConnections(q, [&](const GroupWalk::Connections& c) {
        if (c.fails != 0) return;
        for (std::size_t k = 0; k < combos.size(); ++k) {
            if (combos[k].fails != 0 || outsidePrices(q, g, c.price + combos[k].price)) continue;
            if (walk.hasOpenWords() && walk.failsText(c, k)) continue;
            found.push_back(g.first + c.index * g.optionChoices + std::uint32_t(k));
        }
    });
    return found;
}

}  // namespace tarvek::search
