// A configuration as a short text to send: its part number, and where several configurations
// give that number, which of them ("A310-MX3-4A-M8M8X~2", the second as the decoder ranks
// them). Opening the text sets that configuration again.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/part_numbers/part_number_decoder.h"

namespace tarvek {

// Empty while the state is no configuration a part number names (nothing chosen yet, or a
// cascade left half way).
std::string configurationLink(const ConfiguratorState& state);

// The link of the configuration the decoder ranks `index` (from 0) among those giving `partNumber`.
std::string rankedLink(std::string_view partNumber, std::size_t index);

struct OpenedLink {
    PartNumberDecoding decoding;            // of the part number in the link
    std::vector<ConfiguratorEvent> events;  // what sets the configuration; empty: none found
    std::optional<std::size_t> rank;        // the rank the link asked for ("~3": 3), if any
    std::size_t shown = 0;                  // which of the decoding's configurations was set
};
OpenedLink openConfigurationLink(std::string_view link);

}  // namespace tarvek
