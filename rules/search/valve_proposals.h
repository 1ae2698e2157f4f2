// The cheapest standard valves that serve a need: at least the Cv a flow asks (its margin
// included) and rated for the inlet pressure, the same minimums Valves for this Flow puts to
// the search, with the end connections' kind and size on every port where the need names
// them. Found through the search's own index and query, with the filters of the link that
// opens the search on every alternative.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "rules/search/search_index.h"
#include "rules/search/search_query.h"

namespace tarvek::search {

struct ValveNeed {
    double cv = 0;         // the Cv a valve must reach, exactly
    double inletPsig = 0;  // the pressure it must be rated for
    // Entries of the connection kind and size lists ("Male Face Seal", "Any male face seal",
    // "1/4 inch"); empty: any.
    std::string connectionKind, connectionSize;

    bool operator==(const ValveNeed&) const = default;
};

struct ValveProposal {
    ConfigurationId id = 0;
    IndexedConfiguration configuration;  // its part number, price, description and events
    int cvThousandths = 0, ratedPsig = 0;
};

struct ValveProposals {
    std::string problem;  // why the need could not be asked; nothing was searched then
    SearchQuery query;
    // The link's filters ("cv=0.2304", "rated_psig=100", "connection=…", "place=on every
    // port", "standard_only=yes"): the search on every alternative, with its counts.
    std::vector<std::string> filters;
    std::vector<ValveProposal> valves;  // the cheapest first; ties in catalogue order
};

// The query of a need; none, with the reason, for a connection the lists do not offer.
std::optional<SearchQuery> valveQuery(const SearchIndex& index, const ValveNeed& need, std::string* problem);

// The `count` cheapest configurations the query finds, by list price and then catalogue order
// (the price book's rows sorted by price); configurations the catalogue gives no price are left out.
std::vector<ConfigurationId> cheapestConfigurations(const SearchIndex& index, const SearchQuery& query,
                                                    std::size_t count);

inline constexpr std::size_t kProposalCount = 5;
ValveProposals proposeValves(const SearchIndex& index, const ValveNeed& need,
                             std::size_t count = kProposalCount);

// The lists' connection kinds and sizes, by name, as a service may ask for them.
std::vector<std::string> connectionKindNames(const SearchIndex& index);
std::vector<std::string> connectionSizeNames(const SearchIndex& index);

}  // namespace tarvek::search
