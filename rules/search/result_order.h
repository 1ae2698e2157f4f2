// The orders a search's results can be read in: the catalogue's own, by part number, or by
// list price either way. Groups go by their first part number or their price range;
// configurations by their own.
#pragma once

#include <vector>

#include "rules/search/configuration_search.h"

namespace tarvek::search {

enum class ResultOrder { Catalogue, PartNumber, PriceLowFirst, PriceHighFirst };

// Ties keep catalogue order; groups the catalogue gives no price go after the priced ones,
// whichever way the prices run.
void sortGroups(const SearchIndex& index, std::vector<GroupMatch>& groups, ResultOrder order);
void sortConfigurations(const SearchIndex& index, std::vector<ConfigurationId>& ids, ResultOrder order);

}  // namespace tarvek::search
