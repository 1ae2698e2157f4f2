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
    std::array<std::uint64_t, kMaxValues> kinds{}, sizes{};
    std::array<std::array<std::uint64_t, kMaxValues>, 3> options{};
};

struct ConfigurationSearch::Cache {
    std::optional<PreparedQuery> key;
    std::vector<std::optional<GroupStats>> stats;
};

ConfigurationSearch::ConfigurationSearch(const SearchIndex& index)
    : index_(index), unfiltered_(std::make_unique<Cache>()), latest_(std::make_unique<Cache>()) {
    for (const Attribute a : {Attribute::ConnectionKind, Attribute::ConnectionSize, Attribute::Seat,
                              Attribute::HandleColour, Attribute::LeverHandle})
        if (index.values(a).size() > kMaxValues) throw std::length_error("more values than a search counts");
}

ConfigurationSearch::~ConfigurationSearch() = default;

namespace {

FilterMask groupFails(const SearchIndex& index, const IndexGroup& g, const SearchQuery& q) {
    FilterMask fails = 0;
    for (std::size_t a = 0; a < std::size_t(Attribute::Cv); ++a)
        if (q.chosen[a] && *q.chosen[a] != g.values[a]) fails |= FilterMask(1) << a;
    const auto below = [&](Attribute a, const std::optional<int>& minimum) {
        const ValueId v = g.values[std::size_t(a)];
        return minimum && (v == kNone || index.ratings(a)[v] < *minimum);
    };
    if (below(Attribute::Cv, q.cvAtLeast)) fails |= bit(Filter::Cv);
    if (below(Attribute::RatedPressure, q.pressureAtLeast)) fails |= bit(Filter::RatedPressure);
    return fails;
}

}  // namespace

SearchResult ConfigurationSearch::find(const SearchQuery& query) {
    const PreparedQuery q(index_, query);
    Cache& cache = q.configurationLevel() ? *latest_ : *unfiltered_;
    if (!cache.key || !cache.key->sameConfigurationFilters(q)) {
        cache.key.emplace(q);
        cache.stats.assign(index_.groups().size(), std::nullopt);
    }

    SearchResult r;
    for (std::size_t a = 0; a < kAttributeCount; ++a)
        r.counts[a].assign(index_.values(Attribute(a)).size(), 0);
    std::vector<std::uint64_t> cvs(r.counts[std::size_t(Attribute::Cv)].size());
    std::vector<std::uint64_t> pressures(r.counts[std::size_t(Attribute::RatedPressure)].size());
    Money priceLow{kNoPrice}, priceHigh{-kNoPrice};

    for (std::size_t gi = 0; gi < index_.groups().size(); ++gi) {
        const IndexGroup& g = index_.groups()[gi];
        const FilterMask fails = groupFails(index_, g, query);
        if (fails != 0 && !isSingle(fails)) continue;
        if (!cache.stats[gi]) cache.stats[gi] = stats(g, q);
        const GroupStats& st = *cache.stats[gi];
        for (std::size_t a = 0; a < std::size_t(Attribute::Cv); ++a)
            if ((fails & ~(FilterMask(1) << a)) == 0) {
                r.counts[a][g.values[a]] += st.pass;
                r.without[a] += st.pass;
            }
        if ((fails & ~bit(Filter::Cv)) == 0) cvs[g.values[std::size_t(Attribute::Cv)]] += st.pass;
        if ((fails & ~bit(Filter::RatedPressure)) == 0)
            pressures[g.values[std::size_t(Attribute::RatedPressure)]] += st.pass;
        if (fails != 0) continue;

        r.total += st.pass;
        if (st.pass > 0) r.groups.push_back({gi, st.pass, st.lowest, st.highest, st.nonStandard});
        for (std::size_t f = std::size_t(Filter::Connection); f < std::size_t(Filter::Text); ++f)
            r.without[f] += st.pass + st.failingAlone[f];
        for (std::size_t v = 0; v < r.counts[std::size_t(Attribute::ConnectionKind)].size(); ++v)
            r.counts[std::size_t(Attribute::ConnectionKind)][v] += st.kinds[v];
        for (std::size_t v = 0; v < r.counts[std::size_t(Attribute::ConnectionSize)].size(); ++v)
            r.counts[std::size_t(Attribute::ConnectionSize)][v] += st.sizes[v];
        for (std::size_t o = 0; o < 3; ++o)
            for (std::size_t v = 0; v < r.counts[std::size_t(kOptionAttributes[o])].size(); ++v)
                r.counts[std::size_t(kOptionAttributes[o])][v] += st.options[o][v];
        r.standardOnly += st.standardLeft;
        priceLow.cents = std::min(priceLow.cents, st.priceLow.cents);
        priceHigh.cents = std::max(priceHigh.cents, st.priceHigh.cents);
    }
    // A minimum leaves every rating at or above it.
    for (const auto& [attribute, histogram] :
         {std::pair{Attribute::Cv, &cvs}, std::pair{Attribute::RatedPressure, &pressures}}) {
        std::vector<std::uint64_t>& counts = r.counts[std::size_t(attribute)];
        std::uint64_t atOrAbove = 0;
        for (std::size_t v = histogram->size(); v-- > 1;) counts[v] = atOrAbove += (*histogram)[v];
        counts[kNone] = r.without[std::size_t(filterOf(attribute))] = atOrAbove + (*histogram)[kNone];
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
    const std::int64_t from = q.query.priceFrom ? q.query.priceFrom->cents : -kNoPrice;
    const std::int64_t to = q.query.priceTo ? q.query.priceTo->cents : kNoPrice;
    // Per combo: configurations meeting every filter, or failing its option filter alone.
    std::vector<std::uint64_t> comboPass(combos.size()), comboAlone(combos.size());
    walk.forEachConnections(q, [&](const GroupWalk::Connections& c) {
        if (c.fails != 0 && !isSingle(c.fails)) return;
        std::uint64_t pass = 0, connectionAlone = 0, standardAlone = 0;
        for (std::size_t k = 0; k < combos.size(); ++k) {
            const std::int64_t price = c.price + combos[k].price;
            FilterMask fails = c.fails | combos[k].fails;
            if (price < from || price > to) fails |= bit(Filter::Price);
            if (fails != 0 && !isSingle(fails)) continue;
            if (walk.hasOpenWords() && walk.failsText(c, k)) fails |= bit(Filter::Text);
            if (fails == 0) {
                ++pass;
                ++comboPass[k];
                widen(st.lowest, st.highest, price);
                widen(st.priceLow, st.priceHigh, price);
                continue;
            }
            if (!isSingle(fails)) continue;
            const auto alone = Filter(std::countr_zero(fails));
            ++st.failingAlone[std::size_t(alone)];
            switch (alone) {
                case Filter::Connection:
                    ++connectionAlone;
                    break;
                case Filter::Standard:
                    ++standardAlone;
                    break;
                case Filter::Price:
                    widen(st.priceLow, st.priceHigh, price);
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
        st.pass += pass;
        if (c.nonStandard)
            st.nonStandard += pass;
        else
            st.standardLeft += pass + standardAlone;
        if (pass + connectionAlone > 0) {
            for (std::size_t k = 0; k < q.kinds; ++k)
                if (matches(q.query.scope, c.pairs, q.kindSelection[k]))
                    st.kinds[k] += pass + connectionAlone;
            for (std::size_t s = 0; s < q.sizes; ++s)
                if (matches(q.query.scope, c.pairs, q.sizeSelection[s]))
                    st.sizes[s] += pass + connectionAlone;
        }
    });
    for (std::size_t k = 0; k < combos.size(); ++k)
        for (std::size_t o = 0; o < 3; ++o) {
            // A combo failing its option filter alone counts for that option's own value only.
            const bool alone = (combos[k].fails & bit(kOptionFilters[o])) != 0;
            st.options[o][combos[k].values[o]] += comboPass[k] + (alone ? comboAlone[k] : 0);
        }
    return st;
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
    const std::int64_t from = query.priceFrom ? query.priceFrom->cents : -kNoPrice;
    const std::int64_t to = query.priceTo ? query.priceTo->cents : kNoPrice;
    walk.forEachConnections(q, [&](const GroupWalk::Connections& c) {
        if (c.fails != 0) return;
        for (std::size_t k = 0; k < combos.size(); ++k) {
            const std::int64_t price = c.price + combos[k].price;
            if (combos[k].fails != 0 || price < from || price > to) continue;
            if (walk.hasOpenWords() && walk.failsText(c, k)) continue;
            found.push_back(g.first + c.index * g.optionChoices + std::uint32_t(k));
        }
    });
    return found;
}

}  // namespace tarvek::search
