// Configurations the catalogue gives no price: a series whose body writes its code but states
// no price of its own, and which leaves nothing below it to price (the V-block series, whose
// note sends the reader to the literature). Their list price adds up to 0 without being free,
// so they are shown as "price on request" and no price bound takes them in.
#pragma once

#include <string_view>

#include "rules/configurator/configurator_state.h"

namespace tarvek::search {

inline constexpr std::string_view kPriceOnRequest = "price on request";

bool priceOnRequest(const ConfiguratorState& state);

}  // namespace tarvek::search
