// The Cv / flow calculator as rules over a CalculatorState, with no window: the gas list,
// the checks of the six boxes, the two modes and the flow calculation. Each user event
// returns the state it leads to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/calculator/calculator_state.h"

namespace tarvek {

class Calculator {
  public:
    const CalculatorState& state() const { return s_; }

    // The gas list filled anew from the gas table: no gas is chosen and no specific gravity
    // shown; k and Xt keep what they hold. Nothing is calculated.
    const CalculatorState& setGases(std::vector<GasRecord> gases);

    // Choosing entry `index` of the gas list: the first gas of that name gives the specific
    // gravity and k, Xt follows k, and the calculation runs. No entry (or one without a name)
    // only runs the calculation.
    const CalculatorState& chooseGas(int index);

    // A box's new text, typed or written. The same text again is no change and does nothing.
    // A partial entry stands unchecked, an accepted one calculates, a refused one warns and
    // puts the box back to its reset text (whose own check then runs).
    const CalculatorState& type(CalculatorBox box, std::string_view text);

    // Choosing mass-flow or Cv mode swaps which result is shown and which box is typed, and
    // calculates. Choosing the mode already chosen, or neither, changes nothing.
    const CalculatorState& chooseMode(FlowMode mode);

    // The sizing by the standard (calculator_sizing.cpp). Choosing its method the first time
    // fills its empty case boxes from the catalogue's (the same case, sized both ways);
    // whatever the method, the catalogue's fields and results stay as they are.
    const CalculatorState& chooseMethod(CalculationMethod method);
    // A sizing box's new text, checked as the catalogue's boxes are; the unknown's box is
    // written by the calculation alone.
    const CalculatorState& typeSizing(SizingBox box, std::string_view text);
    const CalculatorState& chooseUnknown(SizingUnknown unknown);
    // A new unit converts the boxes it applies to, and calculates.
    const CalculatorState& choosePressureUnit(PressureUnit unit);
    const CalculatorState& chooseTemperatureUnit(TemperatureUnit unit);
    const CalculatorState& chooseFlowUnit(FlowUnit unit);

  private:
    void startEvent();
    // Writing a box's text runs its check when the text changes, nested inside the writer.
    void write(CalculatorBox box, std::string text);
    void check(CalculatorBox box);
    void writeXtFactor();
    void calculate();
    void takeCaseFromCatalogue();
    void writeSizing(SizingBox box, std::string text);
    void calculateSizing();

    CalculatorState s_;
};

}  // namespace tarvek
