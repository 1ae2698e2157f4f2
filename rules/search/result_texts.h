// The search's results in words, as the window's table and the web page show them: a group's
// description and price range, how much of it is non-standard, a configuration's description.
#pragma once

#include <string>
#include <string_view>

#include "rules/search/configuration_search.h"

namespace tarvek::search {

// The group's product type, body, model and porting, " / " between them; the product type
// left out where a body says it, so that the room goes to the model.
std::string groupDescription(const IndexGroup& group);
// All four, for a tip.
std::string groupFullDescription(const IndexGroup& group);
// "$120.00 – $345.50", one price where all are the same, or "price on request".
std::string priceRangeText(const GroupMatch& match);
// Of a group's configurations found: "all", "some" or none ("") non-standard.
std::string_view nonStandardText(const GroupMatch& match);
// A configuration's choices below its group's texts, " / " between them.
std::string configurationDescription(const SearchIndex& index, ConfigurationId id,
                                     const IndexedConfiguration& configuration);
// Every text of a configuration, for a tip.
std::string configurationFullDescription(const IndexedConfiguration& configuration);
// "yes" for a non-standard configuration, none ("") for a standard one.
std::string_view nonStandardText(const IndexedConfiguration& configuration);
// Its list price, or "price on request".
std::string configurationPriceText(const IndexedConfiguration& configuration);

}  // namespace tarvek::search
