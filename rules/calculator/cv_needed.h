// The Cv a valve needs for what the calculator holds, by the method chosen: what a search
// for valves that pass the calculator's flow asks of every valve.
#pragma once

#include <optional>

#include "rules/calculator/calculator_state.h"

namespace tarvek {

// The catalogue's formula: in Cv mode the Cv shown; in mass-flow mode the Cv the flow shown
// needs, as Cv mode would give it. The standard: the Cv of its sizing, computed or typed.
// None while the method has no result.
std::optional<double> cvNeeded(const CalculatorState& state);

}  // namespace tarvek
