#include "rules/calculator/valve_requirement.h"

#include <cmath>

#include "rules/calculator/flow_equation.h"
#include "rules/calculator/flow_inputs.h"
#include "rules/numbers/number_text.h"

namespace tarvek {

std::optional<ValveRequirement> valveRequirement(const FlowFields& fields) {
    FlowFields needed = fields;
    needed.mode = FlowMode::Cv;  // the flow given, the Cv asked
    const std::optional<FlowInputs> inputs = flowInputs(needed);
    if (!inputs || !(inputs->given > 0)) return std::nullopt;
    const std::optional<FlowResult> result = flowAt(*inputs, inputs->outlet);
    if (!result || !std::isfinite(result->value) || !(result->value > 0)) return std::nullopt;
    return ValveRequirement{result->value, leadingNumber(fields.inletPressure)};
}

}  // namespace tarvek
