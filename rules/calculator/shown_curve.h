// The curve a calculator page draws for its state: the catalogue's, or the sizing's when its
// method is chosen, from the boxes as typed (partial entries too) but never from the result
// the calculation wrote into the other quantity's box; and how high its plot reaches.
#pragma once

#include "rules/calculator/calculator_state.h"
#include "rules/calculator/flow_curve.h"

namespace tarvek {

FlowCurve shownCurve(const CalculatorState& state, int samples = 160);

// The highest value the plot shows. In Cv mode the Cv needed grows without bound towards
// the inlet pressure, so the plot stops at four times the choked Cv or a quarter above the
// operating point, whichever is higher.
double plottedMaximum(const FlowCurve& curve);

}  // namespace tarvek
