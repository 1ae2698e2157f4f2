// A configuration in words: one line per step the user chose, as the lists and options
// show it. Shared by the part-number decoder and anything that describes a configuration.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator_state.h"
#include "rules/configurator/steps.h"

namespace tarvek {

struct DescriptionLine {
    Step step;
    std::string_view text;  // the list entry or the option's caption
};

// The chosen steps in form order: lists whose choice names something (not a heading or a
// blank line); a seat or colour where its frame is open or the model fixed it; the lever
// handle when it is on.
std::vector<DescriptionLine> describeConfiguration(const ConfiguratorState& state);

// The text of one step, empty when it was not chosen (or a heading of its list was).
std::string_view stepText(const ConfiguratorState& state, Step step);

}  // namespace tarvek
