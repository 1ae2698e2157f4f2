// What a valve must offer to pass the calculator's flow: the Cv the flow needs by the method
// chosen, and the inlet pressure, in psig as the catalogue rates its valves, it must stand.
#pragma once

#include <optional>

#include "rules/calculator/calculator_state.h"

namespace tarvek {

struct ValveRequirement {
    double cv = 0;
    double inletPsig = 0;
};

// None while the method chosen has no Cv to give.
std::optional<ValveRequirement> valveRequirement(const CalculatorState& state);

}  // namespace tarvek
