#include "rules/calculator/flow_inputs.h"

#include <cmath>

#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

constexpr double kRankineOffset = 460;  // degrees Fahrenheit to Rankine
constexpr float kSmallestXt = 0.001f;   // stands in for an Xt of 0 or less

}  // namespace

std::vector<FlowInput> missingInputs(const FlowFields& fields) {
    std::vector<FlowInput> missing;
    if (fields.mode == FlowMode::None) missing.push_back(FlowInput::Mode);
    if (!(leadingNumber(fields.specificGravity) > 0)) missing.push_back(FlowInput::Gas);
    if (fields.temperature.empty()) missing.push_back(FlowInput::Temperature);
    if (fields.inletPressure.empty()) missing.push_back(FlowInput::InletPressure);
    if (fields.outletPressure.empty()) missing.push_back(FlowInput::OutletPressure);
    if (fields.mode == FlowMode::MassFlow && fields.cv.empty()) missing.push_back(FlowInput::Cv);
    if (fields.mode == FlowMode::Cv && fields.massFlow.empty()) missing.push_back(FlowInput::MassFlow);
    if (fields.xtFactor.empty()) missing.push_back(FlowInput::XtFactor);
    return missing;
}

std::optional<FlowInputs> flowInputs(const FlowFields& fields) {
    if (!missingInputs(fields).empty()) return std::nullopt;
    FlowInputs inputs;
    inputs.mode = fields.mode;
    inputs.inlet = float(leadingNumber(fields.inletPressure) + kAtmosphere);
    inputs.outlet = float(leadingNumber(fields.outletPressure) + kAtmosphere);
    const float temperature = float(leadingNumber(fields.temperature) + kRankineOffset);
    const float sg = float(leadingNumber(fields.specificGravity));
    inputs.g = float(std::sqrt(double(1.0f / (sg * temperature))));
    inputs.xt = float(leadingNumber(fields.xtFactor));
    if (inputs.xt <= 0) inputs.xt = kSmallestXt;
    inputs.given = leadingNumber(fields.mode == FlowMode::MassFlow ? fields.cv : fields.massFlow);
    return inputs;
}

}  // namespace tarvek
