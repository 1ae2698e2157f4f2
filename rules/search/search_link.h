// A search as the filters of a link, one "name=value" each, so that a search can be sent and
// opened again: "porting=2A", "connection=Any male face seal", "cv=0.2304", "words=MXFX". A
// list's values are its entries' own names (a list taking several entries repeats its name);
// the minimums are numbers, Cv as the list shows it and the rated pressure in psig.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/search/search_model.h"

namespace tarvek::search {

// The filters of the search as it stands, in the lists' order; none for a cleared search. The
// words are those searched (a longer text is searched for its first characters only).
std::vector<std::string> searchFilters(const SearchModel& model);

// The filters of a search for standard valves: the minimum Cv as Valves for this Flow asks it
// (with the digits that matter), the rated pressure in whole psig, and where given the
// connection's kind and size on every port; in the order searchFilters writes them.
std::vector<std::string> valveSearchFilters(std::optional<double> cvAtLeast,
                                            std::optional<int> pressureAtLeast,
                                            std::string_view connectionKind, std::string_view connectionSize);

// The search cleared and set to the filters; answers those it could not use (an unknown name,
// an entry the catalogue does not have), which change nothing.
std::vector<std::string> openSearchFilters(SearchModel& model, const std::vector<std::string>& filters);

}  // namespace tarvek::search
