// Configurations of a search's results as the price book's rows: what copying them gives, in
// the window and in the web edition alike.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "rules/search/search_index.h"

namespace tarvek::search {

// More than a clipboard is for: the command line's --list writes any number.
inline constexpr std::size_t kMostCopied = 10000;

// The price book's header and the rows of the first kMostCopied configurations, in the order given.
std::string priceBookRows(const SearchIndex& index, const std::vector<ConfigurationId>& ids);

}  // namespace tarvek::search
