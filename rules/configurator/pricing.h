// List price (sum of the price segments) and net price (list price less the discount).
#pragma once

#include <string>
#include <string_view>

#include "rules/configurator/configuration_record.h"

namespace tarvek {

// The sum of the eleven price segments, as text ("0" for an all-zero record).
std::string listPriceText(const ConfigurationRecord& record);

// The list price less the discount percentage, cut down to whole cents (never rounded
// up; a tenth of a cent absorbs the floating-point error). A result outside the double
// range gives the empty text rather than "inf" or "nan".
std::string netPriceText(std::string_view listPrice, std::string_view discountPercent);

}  // namespace tarvek
