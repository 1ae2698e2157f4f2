#include "rules/calculator/cv_needed.h"

#include <cmath>

#include "rules/calculator/flow_equation.h"
#include "rules/calculator/flow_inputs.h"

namespace tarvek {

std::optional<double> cvNeeded(const CalculatorState& s) {
    if (s.method == CalculationMethod::Iec) {
        if (!s.sizing.outcome.ok()) return std::nullopt;
        return s.sizing.outcome.sizing->cv;
    }
    // The catalogue's formula asked for the Cv of the flow typed (Cv mode) or shown (mass-flow
    // mode), before the calculator cuts it down to three decimals: a valve of the Cv shown
    // may pass a little less than the flow.
    FlowFields asked = s.fields();
    if (s.mode == FlowMode::MassFlow) {
        if (s.massFlowResult.text.empty()) return std::nullopt;
        asked.mode = FlowMode::Cv;
        asked.massFlow = s.massFlowResult.text;
    } else if (s.mode != FlowMode::Cv || s.cvResult.text.empty()) {
        return std::nullopt;
    }
    const std::optional<FlowInputs> inputs = flowInputs(asked);
    if (!inputs) return std::nullopt;
    const std::optional<FlowResult> result = flowAt(*inputs, inputs->outlet);
    if (!result || !std::isfinite(result->value)) return std::nullopt;
    return double(result->value);
}

}  // namespace tarvek
