// The lines of a quotation from the catalogue: the configuration on the configurator, a part
// number as the decoder reads it, and a saved line priced again against today's catalogue.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/quotes/quotation.h"

namespace tarvek {

// The chosen steps in words, "; " between them; a connection names its position ("3: F - …").
std::string descriptionOf(const ConfiguratorState& state);

// What a user does on the opened configurator to reach the state (its part number, prices and
// description); empty when it has no part number.
std::vector<ConfiguratorEvent> eventsReaching(const ConfiguratorState& state);

// The picture of the product itself: the one its model (or series, or part) shows, never the
// porting drawing or the picture of a lever or knob option.
std::string productPicture(const std::vector<ConfiguratorEvent>& events);

// A line of quantity 1 for the configuration the events reach.
QuotationLine lineOf(const ConfiguratorState& state, std::vector<ConfiguratorEvent> events);

// A line for a part number the decoder knows (the first of its ranked configurations); none,
// with the decoder's explanation in `problem`, for a number it does not know.
std::optional<QuotationLine> lineForPartNumber(std::string_view partNumber, std::string* problem = nullptr);

// The configuration of a line: its events replayed, or for a line read from a file its part
// number decoded (the configuration of its description where there are several); none for a
// tag without a valve or a number the catalogue does not know.
std::optional<ConfiguratorState> lineState(const QuotationLine& line);

// The line priced again from the catalogue: its configuration decoded from the part number
// (the one with the same description where there are several); its quantity and discount
// kept. `change` says what no longer matches: the part number, or the list price; a number
// the catalogue no longer knows keeps its saved price and says so.
QuotationLine repriced(const QuotationLine& saved);

}  // namespace tarvek
