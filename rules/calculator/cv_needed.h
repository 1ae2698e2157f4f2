// The Cv a valve needs for what the calculator holds, by the method chosen: what a search
// for valves that pass the calculator's flow asks of every valve.
#pragma once

#include <optional>

#include "rules/calculator/calculator_state.h"

namespace tarvek {

// The catalogue's formula: the Cv the flow needs, the flow typed in Cv mode or shown in
// mass-flow mode, as its equation gives it before the result is cut down to three decimals
// (450.5 slm of nitrogen from 100 to 20 psig at 70 F needs 0.2304, shown as 0.23). The
// standard: the Cv of its sizing, computed or typed. None while the method has no result.
std::optional<double> cvNeeded(const CalculatorState& state);

}  // namespace tarvek
