// A quote of the configuration on the page, as a sales engineer sends it: the part number,
// a line per chosen step as the lists and options show it, the prices unless they are
// hidden, and why the configuration is not standard. Content only; the window lays it out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator_state.h"

namespace tarvek {

// The catalogue's edition, as the window's title names it.
inline constexpr std::string_view kCatalogueEdition = "2013 Tarvek Products Catalog (130205)";
inline constexpr std::string_view kNonStandardBanner = "NON-STANDARD - Consult supplier for availability";
inline constexpr std::string_view kPartNumberCaption = "Part Number";
inline constexpr std::string_view kCustomerReferenceCaption = "Customer Reference";

struct QuoteLine {
    std::string_view caption;  // "Body Type", "Connection 3", "Net Price US$"
    std::string text;
    bool operator==(const QuoteLine&) const = default;
};

struct Quote {
    std::string partNumber;
    std::vector<QuoteLine> description;  // in the order of the cascade and the options
    std::vector<QuoteLine> prices;       // empty while the prices are hidden
    bool nonStandard = false;            // the banner shows
    std::vector<std::string> nonStandardReasons;
    std::string_view picture;  // file name of the picture or drawing on the page; empty: none
};

// There is something to send once a part number has been composed.
bool canQuote(const ConfiguratorState& state);

Quote quoteOf(const ConfiguratorState& state);

}  // namespace tarvek
