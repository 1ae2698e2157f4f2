// What a valve must offer to pass the calculator's flow: the Cv the flow needs at the
// calculator's gas, temperature and pressures, by the catalogue's flow equation, and the
// inlet pressure it must be rated for. Another sizing method gives its Cv the same way.
#pragma once

#include <optional>

#include "rules/calculator/flow_calculation.h"

namespace tarvek {

struct ValveRequirement {
    double cv = 0;         // before it is cut down for showing
    double inletPsig = 0;  // gauge, as typed
};

// The flow is the one in the calculator's flow box: the flow typed in Cv mode, the flow
// worked out from the typed Cv in mass-flow mode. None while an input is missing, without a
// flow, or when the outlet is not below the inlet.
std::optional<ValveRequirement> valveRequirement(const FlowFields& fields);

}  // namespace tarvek
