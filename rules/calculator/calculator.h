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

  private:
    void startEvent();
    // Writing a box's text runs its check when the text changes, nested inside the writer.
    void write(CalculatorBox box, std::string text);
    void check(CalculatorBox box);
    void writeXtFactor();
    void calculate();

    CalculatorState s_;
};

}  // namespace tarvek
