#include "rules/calculator/flow_calculation.h"

#include <cmath>

#include "rules/calculator/flow_equation.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

constexpr float kMassFlowScale = 10;  // the flow keeps one decimal
constexpr float kCvScale = 1000;      // Cv keeps three

// Cut down, never rounded up, in single precision as every working value.
float truncated(float value, float scale) { return std::floor(value * scale) / scale; }

FlowOutcome cleared() { return {FlowOutcome::Action::Clear, {}, false}; }

}  // namespace

FlowOutcome calculateFlow(const FlowFields& fields) {
    const std::optional<FlowInputs> inputs = flowInputs(fields);
    if (!inputs) return {};
    const std::optional<FlowResult> result = flowAt(*inputs, inputs->outlet);
    if (!result) return cleared();
    const std::string text =
        fields.mode == FlowMode::MassFlow ? massFlowText(result->value) : cvText(result->value);
    // Overflowing inputs give no number to show (the text is empty): clear the result.
    if (text.empty()) return cleared();
    return {FlowOutcome::Action::Write, text, result->choked};
}

std::string massFlowText(float flow) { return numberText(truncated(flow, kMassFlowScale)); }
std::string cvText(float cv) { return numberText(truncated(cv, kCvScale)); }

}  // namespace tarvek
