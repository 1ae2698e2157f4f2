// Prices as the configurator shows them: the list price, and the net price, the list price
// less the discount the user types.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/catalogue/price.h"

namespace tarvek {

// The general decimal form without trailing zeros: "250", "297.5", "64.53".
std::string priceText(Money amount);
// The list price as shown: empty before anything was added up.
std::string listPriceText(std::optional<Money> listPrice);

// The list price less the discount percentage (read with the leading-number rule), in
// dollars, cut down to whole cents (never rounded up; a tenth of a cent absorbs the
// floating-point error). None where the result lies outside the double range.
std::optional<double> netPrice(Money listPrice, std::string_view discountPercent);

// The net price as shown; empty for none.
std::string netPriceText(std::optional<double> netPrice);

}  // namespace tarvek
