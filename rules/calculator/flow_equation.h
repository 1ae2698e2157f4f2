// The flow equation in numbers: the flow through a valve of a given Cv, or the Cv a given
// flow needs, at one outlet pressure, limited to the choked flow once the pressure drop
// ratio reaches Xt. Pressures are absolute (psia), as the equation works with them.
#pragma once

#include <optional>

#include "rules/calculator/flow_inputs.h"

namespace tarvek {

struct FlowResult {
    float value = 0;  // slm in mass-flow mode, Cv in Cv mode; before it is cut down
    bool choked = false;
};

// No result when the outlet is not below the inlet, nor from an inlet of no pressure at all.
std::optional<FlowResult> flowAt(const FlowInputs& inputs, float outlet);

// The outlet pressure (psia) at and below which the flow is choked: (1 - Xt) x P1.
float chokedOutlet(const FlowInputs& inputs);

}  // namespace tarvek
