#include "app/calculator/calculator_fields.h"

namespace tarvek {

CalculatorTexts readCalculatorTexts(const CalculatorState& state) {
    const FlowFields f = state.fields();
    return {f.mode,
            std::string(f.temperature),
            std::string(f.inletPressure),
            std::string(f.outletPressure),
            std::string(f.specificGravity),
            std::string(f.xtFactor),
            std::string(f.cv),
            std::string(f.massFlow)};
}

SizingCopy readSizingTexts(const CalculatorState& state) {
    return {state.sizing.boxes, state.specificGravity, state.specificHeat, state.sizing.unknown,
            state.sizing.units};
}

}  // namespace tarvek
