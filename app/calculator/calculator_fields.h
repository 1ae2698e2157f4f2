// The calculator's fields as the flow equation reads them, copied out of the calculator's
// state so that they outlive it: the mode and the seven texts.
#pragma once

#include <string>

#include "rules/calculator/calculator_state.h"
#include "rules/calculator/flow_calculation.h"

namespace tarvek {

struct CalculatorTexts {
    FlowMode mode = FlowMode::None;
    std::string temperature, inletPressure, outletPressure, specificGravity, xtFactor, cv, massFlow;

    // Views into these texts: valid while this object lives unchanged.
    FlowFields fields() const {
        return {mode, temperature, inletPressure, outletPressure, specificGravity, xtFactor, cv, massFlow};
    }
    friend bool operator==(const CalculatorTexts&, const CalculatorTexts&) = default;
};

CalculatorTexts readCalculatorTexts(const CalculatorState& state);

}  // namespace tarvek
