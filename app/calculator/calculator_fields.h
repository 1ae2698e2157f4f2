// The calculator's fields as the flow equation reads them, copied out of the calculator's
// state so that they outlive it: the mode and the seven texts; and the sizing's.
#pragma once

#include <array>
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

// The sizing's texts likewise: its boxes, the gas's values, the unknown and the units.
struct SizingCopy {
    std::array<std::string, kSizingBoxCount> boxes;
    std::string specificGravity, specificHeat;
    SizingUnknown unknown = SizingUnknown::Flow;
    SizingUnits units;

    // Views into these texts: valid while this object lives unchanged.
    SizingTexts texts() const {
        SizingTexts t{{}, specificGravity, specificHeat, unknown, units};
        for (std::size_t i = 0; i < boxes.size(); ++i) t.boxes[i] = boxes[i];
        return t;
    }
    friend bool operator==(const SizingCopy&, const SizingCopy&) = default;
};

SizingCopy readSizingTexts(const CalculatorState& state);

}  // namespace tarvek
