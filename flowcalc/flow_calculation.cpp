#include "flowcalc/flow_calculation.h"

#include <cmath>

#include "config/number_text.h"

namespace tarvek {
namespace {

constexpr double kAtmosphere = 14.7;      // psig to psia
constexpr double kRankineOffset = 460;    // degrees Fahrenheit to Rankine
constexpr double kFlowConstant = 454.47;  // slm from psia and degrees Rankine
constexpr float kSmallestXt = 0.001f;     // stands in for an Xt of 0 or less
constexpr float kMassFlowScale = 10;      // the flow keeps one decimal
constexpr float kCvScale = 1000;          // Cv keeps three

double square(double value) { return value * value; }

// Cut down, never rounded up, in single precision as every working value.
float truncated(float value, float scale) { return std::floor(value * scale) / scale; }

FlowOutcome cleared() { return {FlowOutcome::Action::Clear, {}, false}; }

}  // namespace

FlowOutcome calculateFlow(const FlowFields& fields) {
    const std::string_view input = fields.mode == FlowMode::MassFlow ? fields.cv : fields.massFlow;
    const double specificGravity = leadingNumber(fields.specificGravity);
    const bool ready = fields.mode != FlowMode::None && specificGravity > 0 && !fields.temperature.empty() &&
                       !fields.xtFactor.empty() && !fields.inletPressure.empty() &&
                       !fields.outletPressure.empty() && !input.empty();
    if (!ready) return {};

    const float inlet = float(leadingNumber(fields.inletPressure) + kAtmosphere);
    const float outlet = float(leadingNumber(fields.outletPressure) + kAtmosphere);
    const float temperature = float(leadingNumber(fields.temperature) + kRankineOffset);
    const float sg = float(specificGravity);
    const float g = float(std::sqrt(double(1.0f / (sg * temperature))));
    float xt = float(leadingNumber(fields.xtFactor));
    if (xt <= 0) xt = kSmallestXt;

    // No flow when the outlet is not below the inlet, nor from an inlet of -14.7 psig (no
    // pressure at all), where the pressure drop ratio would divide by zero.
    if (!(inlet > outlet) || !(inlet > 0)) return cleared();

    float x = (inlet - outlet) / inlet;
    if (x < 0) x = 0;
    if (x > 1) x = 1;
    const bool choked = !(x < xt);
    const float chokedOutlet = (1.0f - xt) * inlet;
    const double pressureTerm = std::sqrt(square(inlet) - square(choked ? chokedOutlet : outlet));

    const std::string text =
        fields.mode == FlowMode::MassFlow
            ? massFlowText(float(leadingNumber(fields.cv) * kFlowConstant * pressureTerm * g))
            : cvText(float(leadingNumber(fields.massFlow) / (pressureTerm * kFlowConstant * g)));
    // Overflowing inputs give no number to show (the text is empty): clear the result.
    if (text.empty()) return cleared();
    return {FlowOutcome::Action::Write, text, choked};
}

std::string massFlowText(float flow) { return numberText(truncated(flow, kMassFlowScale)); }
std::string cvText(float cv) { return numberText(truncated(cv, kCvScale)); }

}  // namespace tarvek
