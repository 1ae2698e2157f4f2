// A query made ready for the walk over a group's configurations: the (kind, size) pairs the
// connection filter takes, what it would take with each entry of the kind and size lists
// added or with either left to any, and the free text's words with their finders.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/search/search_filters.h"
#include "rules/search/search_query.h"
#include "rules/search/search_text.h"

namespace tarvek::search {

// Values a connection's kind and size, and each option, may have at most; entries the kind
// and size lists may offer.
inline constexpr std::size_t kMaxValues = 8;
inline constexpr std::size_t kMaxEntries = 16;

inline constexpr std::array<Filter, 3> kOptionFilters = {Filter::Seat, Filter::HandleColour,
                                                         Filter::LeverHandle};
inline constexpr std::array<Attribute, 3> kOptionAttributes = {Attribute::Seat, Attribute::HandleColour,
                                                               Attribute::LeverHandle};

// A connection's kind and size as one bit.
constexpr std::uint64_t pairBit(ValueId kind, ValueId size) {
    return std::uint64_t(1) << (kind * kMaxValues + size);
}
// Whether the (kind, size) pairs at the positions in scope meet a selection of pairs.
bool matches(ConnectionScope scope, std::uint64_t pairs, std::uint64_t selection);
bool inScope(ConnectionScope scope, std::size_t position);

// The query as the walk over a group's configurations uses it.
struct PreparedQuery {
    SearchQuery query;
    std::size_t kinds = 0, sizes = 0;
    bool connectionFilter = false;
    std::uint64_t selected = 0;  // the (kind, size) pairs the connection filter accepts
    // Per entry of the kind and the size lists: the pairs accepted with the entry added.
    std::vector<std::uint64_t> kindEntrySelection, sizeEntrySelection;
    // The pairs accepted with the kind, or the size, left to any; none: then the filter asks
    // nothing at all.
    std::optional<std::uint64_t> anyKindSelection, anySizeSelection;
    std::vector<SearchWord> words;
    std::vector<WordFinder> finders;

    PreparedQuery(const SearchIndex& index, const SearchQuery& q);

    bool optionFilter(std::size_t k) const { return !query[kOptionAttributes[k]].empty(); }
    bool priceFilter() const { return query.priceFrom || query.priceTo; }
    bool configurationLevel() const {
        return connectionFilter || optionFilter(0) || optionFilter(1) || optionFilter(2) ||
               query.standardOnly || priceFilter() || !words.empty();
    }
    // The same filters on configurations: their per-group figures can be kept.
    bool sameConfigurationFilters(const PreparedQuery& o) const;
};

}  // namespace tarvek::search
