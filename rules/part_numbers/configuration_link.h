// A configuration as a short text to send: its part number, and where several configurations
// give that number, which of them ("A310-MX3-4A-M8M8X~2", the second as the decoder ranks
// them). Opening the text sets that configuration again.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/part_numbers/part_number_decoder.h"

namespace tarvek {

// Empty while the state is no configuration a part number names (nothing chosen yet, or a
// cascade left half way).
std::string configurationLink(const ConfiguratorState& state);

struct OpenedLink {
    PartNumberDecoding decoding;            // of the part number in the link
    std::vector<ConfiguratorEvent> events;  // what sets the configuration; empty: none found
};
OpenedLink openConfigurationLink(std::string_view link);

}  // namespace tarvek
