#include "rules/search/configuration_search.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

#include "rules/search/search_text.h"

namespace tarvek::search {
namespace {

using Mask = std::uint32_t;
using State = WordFinder::State;

constexpr Mask bit(Filter f) { return Mask(1) << unsigned(f); }
constexpr std::size_t kMaxValues = 8;  // of a connection's kind and size, and of each option
constexpr std::int64_t kNoPrice = std::numeric_limits<std::int64_t>::max();

constexpr std::array<Filter, 3> kOptionFilters = {Filter::Seat, Filter::HandleColour, Filter::LeverHandle};
constexpr std::array<Attribute, 3> kOptionAttributes = {Attribute::Seat, Attribute::HandleColour,
                                                        Attribute::LeverHandle};

std::uint64_t pairBit(ValueId kind, ValueId size) { return std::uint64_t(1) << (kind * kMaxValues + size); }
bool isSingle(Mask m) { return m != 0 && (m & (m - 1)) == 0; }

bool matches(ConnectionScope scope, std::uint64_t pairs, std::uint64_t selection) {
    if (scope == ConnectionScope::EveryPort) return pairs != 0 && (pairs & ~selection) == 0;
    return (pairs & selection) != 0;
}

bool inScope(ConnectionScope scope, std::size_t position) {
    return scope == ConnectionScope::AnyPort || scope == ConnectionScope::EveryPort ||
           std::size_t(scope) - std::size_t(ConnectionScope::Position1) == position;
}

void widen(Money& low, Money& high, std::int64_t price) {
    low.cents = std::min(low.cents, price);
    high.cents = std::max(high.cents, price);
}

}  // namespace

Filter filterOf(Attribute attribute) {
    switch (attribute) {
        case Attribute::ConnectionKind:
        case Attribute::ConnectionSize:
            return Filter::Connection;
        case Attribute::Seat:
            return Filter::Seat;
        case Attribute::HandleColour:
            return Filter::HandleColour;
        case Attribute::LeverHandle:
            return Filter::LeverHandle;
        default:
            return Filter(std::size_t(attribute));
    }
}

// The query as the walk over a group's configurations uses it.
struct ConfigurationSearch::Prepared {
    SearchQuery query;
    std::size_t kinds = 0, sizes = 0;
    bool connectionFilter = false;
    std::uint64_t selected = 0;  // the (kind, size) pairs the connection filter accepts
    std::array<std::uint64_t, kMaxValues> kindSelection{}, sizeSelection{};
    std::vector<SearchWord> words;
    std::vector<WordFinder> finders;

    Prepared(const SearchIndex& index, const SearchQuery& q) : query(q) {
        kinds = index.values(Attribute::ConnectionKind).size();
        sizes = index.values(Attribute::ConnectionSize).size();
        const auto& kind = q[Attribute::ConnectionKind];
        const auto& size = q[Attribute::ConnectionSize];
        connectionFilter = kind || size;
        for (ValueId k = 0; k < kinds; ++k)
            for (ValueId s = 0; s < sizes; ++s) {
                if ((!kind || *kind == k) && (!size || *size == s)) selected |= pairBit(k, s);
                if (!size || *size == s) kindSelection[k] |= pairBit(k, s);
                if (!kind || *kind == k) sizeSelection[s] |= pairBit(k, s);
            }
        words = searchWords(q.text);
        for (const SearchWord& w : words) finders.emplace_back(w.partNumberForm);
    }

    bool optionFilter(std::size_t k) const { return query[kOptionAttributes[k]].has_value(); }
    bool priceFilter() const { return query.priceFrom || query.priceTo; }
    bool configurationLevel() const {
        return connectionFilter || optionFilter(0) || optionFilter(1) || optionFilter(2) ||
               query.standardOnly || priceFilter() || !words.empty();
    }
    // The same filters on configurations: their per-group figures can be kept.
    bool sameConfigurationFilters(const Prepared& o) const {
        const SearchQuery& a = query;
        const SearchQuery& b = o.query;
        for (const Attribute at : {Attribute::ConnectionKind, Attribute::ConnectionSize, Attribute::Seat,
                                   Attribute::HandleColour, Attribute::LeverHandle})
            if (a[at] != b[at]) return false;
        return a.scope == b.scope && a.standardOnly == b.standardOnly && a.priceFrom == b.priceFrom &&
               a.priceTo == b.priceTo && a.text == b.text;
    }
};

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
    std::optional<Prepared> key;
    std::vector<std::optional<GroupStats>> stats;
};

namespace {

// One group's configurations walked for a query: its option choices worked out once, then
// each choice of connections with every choice of options.
class GroupWalk {
  public:
    struct Combo {
        std::int64_t price = 0;
        Mask fails = 0;
        std::array<ValueId, 3> values{};
    };
    struct Connections {
        std::uint32_t index = 0;  // in catalogue order
        std::int64_t price = 0;
        Mask fails = 0;
        bool nonStandard = false;
        std::uint64_t pairs = 0;    // (kind, size) at the positions in scope
        std::vector<State> states;  // of the open words, after the connections
        std::vector<bool> said;     // an open word in a connection's text
    };

    // A word the group's own texts do not settle: found, or not, configuration by configuration.
    struct OpenWord {
        const WordFinder* finder;
        std::size_t word;
        State start;                            // after the part number through the porting
        std::array<std::vector<bool>, 4> said;  // by each connection entry's text
        std::vector<bool> comboSaid;
        std::vector<std::vector<bool>> comboFinds;  // per combo, per state: the rest finds the word
    };

    GroupWalk(const IndexGroup& g, const auto& q) : g_(g) {
        const SearchQuery& query = q.query;
        for (std::size_t p = 0; p < kConnectionPositions; ++p)
            if (!g.connections[p].empty()) used_.push_back(p);
        // Options: the seat varies slowest, the lever handle fastest, as in catalogue order.
        const std::size_t nc = g.options[1].size(), nl = g.options[2].size();
        combos_.resize(g.optionChoices);
        for (std::size_t k = 0; k < combos_.size(); ++k) {
            const std::array<std::size_t, 3> choice = {k / (nc * nl), k / nl % nc, k % nl};
            Combo& c = combos_[k];
            for (std::size_t o = 0; o < 3; ++o) {
                const Choice& chosen = g.options[o][choice[o]];
                c.price += chosen.price.cents;
                c.values[o] = chosen.value;
                const auto& wanted = query[kOptionAttributes[o]];
                if (wanted && *wanted != chosen.value) c.fails |= bit(kOptionFilters[o]);
            }
        }
        planText(q);
    }

    bool textImpossible() const { return textImpossible_; }
    const std::vector<Combo>& combos() const { return combos_; }

    // Calls `visit(connections)` for each choice of connections, in catalogue order.
    template <typename Visit>
    void forEachConnections(const auto& q, Visit&& visit) const {
        std::array<std::size_t, kConnectionPositions> digit{};
        Connections c;
        c.states.resize(open_.size());
        c.said.resize(open_.size());
        for (std::uint32_t t = 0; t < g_.connectionChoices; ++t) {
            c.index = t;
            c.price = g_.basePrice.cents;
            c.pairs = 0;
            c.nonStandard = g_.nonStandard[t];
            for (const std::size_t p : used_) {
                const Choice& chosen = g_.connections[p][digit[p]];
                c.price += chosen.price.cents;
                if (inScope(q.query.scope, p)) c.pairs |= pairBit(chosen.value, chosen.size);
            }
            c.fails = 0;
            if (q.connectionFilter && !matches(q.query.scope, c.pairs, q.selected))
                c.fails |= bit(Filter::Connection);
            if (q.query.standardOnly && c.nonStandard) c.fails |= bit(Filter::Standard);
            for (std::size_t w = 0; w < open_.size(); ++w) {
                const OpenWord& word = open_[w];
                State state = word.start;
                bool said = false;
                for (std::size_t p = 0; p < kConnectionPositions; ++p) {
                    if (g_.connections[p].empty()) {
                        state = word.finder->feed(state, g_.fixedCodes[p]);
                        continue;
                    }
                    state = word.finder->feed(state, g_.connections[p][digit[p]].code);
                    said = said || word.said[p][digit[p]];
                }
                c.states[w] = state;
                c.said[w] = said;
            }
            visit(c);
            // The last position used varies fastest.
            for (std::size_t i = used_.size(); i-- > 0;) {
                const std::size_t p = used_[i];
                if (++digit[p] < g_.connections[p].size()) break;
                digit[p] = 0;
            }
        }
    }

    // Whether a configuration fails the free text.
    bool failsText(const Connections& c, std::size_t combo) const {
        for (std::size_t w = 0; w < open_.size(); ++w) {
            const OpenWord& word = open_[w];
            if (!c.said[w] && !word.comboSaid[combo] && !word.comboFinds[combo][c.states[w]]) return true;
        }
        return false;
    }
    bool hasOpenWords() const { return !open_.empty(); }

  private:
    void planText(const auto& q) {
        for (std::size_t w = 0; w < q.words.size(); ++w) {
            const SearchWord& word = q.words[w];
            const WordFinder& finder = q.finders[w];
            if (g_.prefix.find(word.partNumberForm) != std::string::npos) continue;
            if (std::any_of(g_.lowerTexts.begin(), g_.lowerTexts.end(),
                            [&](const std::string& t) { return t.find(word.textForm) != std::string::npos; }))
                continue;
            OpenWord open{&finder, w, finder.feed(0, g_.prefix), {}, {}, {}};
            const auto says = [&](const Choice& c) {
                return c.lowerText.find(word.textForm) != std::string::npos;
            };
            bool anySaid = false;
            for (std::size_t p = 0; p < kConnectionPositions; ++p)
                for (const Choice& c : g_.connections[p]) {
                    open.said[p].push_back(says(c));
                    anySaid = anySaid || open.said[p].back();
                }
            // The states the part number can reach: if none finds the word and no text says
            // it, no configuration of the group has it.
            std::vector<bool> reach(std::size_t(finder.found()) + 1);
            reach[open.start] = true;
            const auto step = [&](const std::vector<std::string_view>& pieces) {
                std::vector<bool> next(reach.size());
                for (std::size_t s = 0; s < reach.size(); ++s)
                    if (reach[s])
                        for (const std::string_view piece : pieces) next[finder.feed(State(s), piece)] = true;
                reach = std::move(next);
            };
            for (std::size_t p = 0; p < kConnectionPositions; ++p) {
                std::vector<std::string_view> pieces;
                for (const Choice& c : g_.connections[p]) pieces.push_back(c.code);
                if (pieces.empty()) pieces.push_back(g_.fixedCodes[p]);
                step(pieces);
            }
            const std::vector<bool> afterConnections = reach;
            for (std::size_t o = 0; o < 3; ++o) {
                std::vector<std::string_view> pieces;
                for (const Choice& c : g_.options[o]) {
                    pieces.push_back(c.code);
                    anySaid = anySaid || says(c);
                }
                step(pieces);
                if (o == 1) step({g_.generalCode});
            }
            if (!anySaid && !reach[finder.found()]) {
                textImpossible_ = true;
                return;
            }
            const std::size_t nc = g_.options[1].size(), nl = g_.options[2].size();
            for (std::size_t k = 0; k < combos_.size(); ++k) {
                const std::array<const Choice*, 3> chosen = {
                    &g_.options[0][k / (nc * nl)], &g_.options[1][k / nl % nc], &g_.options[2][k % nl]};
                open.comboSaid.push_back(says(*chosen[0]) || says(*chosen[1]) || says(*chosen[2]));
                std::vector<bool> finds(reach.size());
                for (std::size_t s = 0; s < finds.size(); ++s) {
                    if (!afterConnections[s]) continue;
                    State t = finder.feed(State(s), chosen[0]->code);
                    t = finder.feed(t, chosen[1]->code);
                    t = finder.feed(t, g_.generalCode);
                    finds[s] = finder.feed(t, chosen[2]->code) == finder.found();
                }
                open.comboFinds.push_back(std::move(finds));
            }
            open_.push_back(std::move(open));
        }
    }

    const IndexGroup& g_;
    std::vector<std::size_t> used_;
    std::vector<Combo> combos_;
    std::vector<OpenWord> open_;
    bool textImpossible_ = false;
};

}  // namespace

ConfigurationSearch::ConfigurationSearch(const SearchIndex& index)
    : index_(index), unfiltered_(std::make_unique<Cache>()), latest_(std::make_unique<Cache>()) {
    for (const Attribute a : {Attribute::ConnectionKind, Attribute::ConnectionSize, Attribute::Seat,
                              Attribute::HandleColour, Attribute::LeverHandle})
        if (index.values(a).size() > kMaxValues) throw std::length_error("more values than a search counts");
}

ConfigurationSearch::~ConfigurationSearch() = default;

namespace {

Mask groupFails(const SearchIndex& index, const IndexGroup& g, const SearchQuery& q) {
    Mask fails = 0;
    for (std::size_t a = 0; a < std::size_t(Attribute::Cv); ++a)
        if (q.chosen[a] && *q.chosen[a] != g.values[a]) fails |= Mask(1) << a;
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
    const Prepared q(index_, query);
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
        const Mask fails = groupFails(index_, g, query);
        if (fails != 0 && !isSingle(fails)) continue;
        if (!cache.stats[gi]) cache.stats[gi] = stats(g, q);
        const GroupStats& st = *cache.stats[gi];
        for (std::size_t a = 0; a < std::size_t(Attribute::Cv); ++a)
            if ((fails & ~(Mask(1) << a)) == 0) {
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

ConfigurationSearch::GroupStats ConfigurationSearch::stats(const IndexGroup& g, const Prepared& q) const {
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
            Mask fails = c.fails | combos[k].fails;
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
    const Prepared q(index_, query);
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
