#include "rules/calculator/flow_equation.h"

#include <cmath>

namespace tarvek {
namespace {

constexpr double kFlowConstant = 454.47;  // slm from psia and degrees Rankine

double square(double value) { return value * value; }

}  // namespace

float chokedOutlet(const FlowInputs& inputs) { return (1.0f - inputs.xt) * inputs.inlet; }

std::optional<FlowResult> flowAt(const FlowInputs& inputs, float outlet) {
    const float inlet = inputs.inlet;
    // -14.7 psig at the inlet is no pressure: the pressure drop ratio would divide by zero.
    if (!(inlet > outlet) || !(inlet > 0)) return std::nullopt;

    float x = (inlet - outlet) / inlet;
    if (x < 0) x = 0;
    if (x > 1) x = 1;
    const bool choked = !(x < inputs.xt);
    const double pressureTerm = std::sqrt(square(inlet) - square(choked ? chokedOutlet(inputs) : outlet));
    const float value = inputs.mode == FlowMode::MassFlow
                            ? float(inputs.given * kFlowConstant * pressureTerm * inputs.g)
                            : float(inputs.given / (pressureTerm * kFlowConstant * inputs.g));
    return FlowResult{value, choked};
}

}  // namespace tarvek
