// Finding configurations by requirement, with the count every further choice would leave:
// for each entry of each attribute's list, how many configurations remain when that entry is
// added to the values chosen (or chosen, where none is), and when the attribute is left to any,
// every other filter staying as it is. Exact counts over every orderable configuration.
//
// A configuration that fails two filters counts nowhere; one that fails a single filter counts
// for that filter's other values; one that fails none counts everywhere. Group-level filters
// (product type … rated pressure) are decided once per group; what a group's configurations
// give for the configuration-level filters is kept per group until those filters change, so
// a change of product type, body, model or porting costs no pass over the configurations.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "rules/search/search_filters.h"
#include "rules/search/search_index.h"
#include "rules/search/search_query.h"

namespace tarvek::search {

struct PreparedQuery;

struct GroupMatch {
    std::size_t group = 0;
    std::uint64_t count = 0;      // its configurations that meet the query
    Money lowest, highest;        // their list prices (0 for a price on request)
    bool priceOnRequest = false;  // the catalogue gives them none
    std::uint64_t nonStandard = 0;
};

struct SearchResult {
    std::uint64_t total = 0;
    // Per attribute and entry of its list (SearchIndex::entries): what adding the entry to the
    // values chosen would leave, the other filters as they are (an entry already chosen: what
    // is left now); for Cv and rated pressure, what that entry's rating as the minimum would leave.
    std::array<std::vector<std::uint64_t>, kAttributeCount> counts;
    // Per attribute: what leaving it to any would leave.
    std::array<std::uint64_t, kAttributeCount> any{};
    // Per filter: what clearing it would leave (the text's is not counted: 0).
    std::array<std::uint64_t, kFilterCount> without{};
    std::uint64_t standardOnly = 0;  // what "standard products only" leaves
    // The list prices of what every filter but the price range leaves, priced ones only.
    std::optional<Money> lowestPrice, highestPrice;
    std::vector<GroupMatch> groups;  // the groups with a match, in catalogue order
};

class ConfigurationSearch {
  public:
    explicit ConfigurationSearch(const SearchIndex& index);
    ~ConfigurationSearch();
    ConfigurationSearch(const ConfigurationSearch&) = delete;
    ConfigurationSearch& operator=(const ConfigurationSearch&) = delete;

    const SearchIndex& index() const { return index_; }

    SearchResult find(const SearchQuery& query);
    // The configurations of one group that meet the query, in catalogue order.
    std::vector<ConfigurationId> configurations(const SearchQuery& query, std::size_t group) const;

  private:
    struct GroupStats;
    struct Cache;

    GroupStats stats(const IndexGroup& group, const PreparedQuery& query) const;
    static void countConnectionEntries(GroupStats& st, const PreparedQuery& q, std::uint64_t pairs,
                                       std::uint64_t left);

    const SearchIndex& index_;
    std::unique_ptr<Cache> unfiltered_, latest_;  // per-group stats: no configuration filter; the last ones
};

}  // namespace tarvek::search
