// Why the non-standard banner shows: one sentence per marked connection position, from the
// same rules that set the markers, for the banner's tooltip, quotes and the decoder.
#pragma once

#include <string>
#include <vector>

#include "rules/configurator/configurator_state.h"

namespace tarvek {

// In position order; empty when no position is marked.
std::vector<std::string> nonStandardReasons(const ConfiguratorState& state);

// The reasons on one line each, joined with line feeds.
std::string nonStandardExplanation(const ConfiguratorState& state);

}  // namespace tarvek
