#include "rules/calculator/flow_units.h"

#include <cmath>

#include "rules/numbers/compact_number_text.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

constexpr double kMinutesPerHour = 60;
constexpr double kLitresPerCubicMetre = 1000;

}  // namespace

double scfhFromSlm(double slm) { return slm * kMinutesPerHour / kLitresPerCubicFoot; }
double cubicMetresPerHourFromSlm(double slm) { return slm * kMinutesPerHour / kLitresPerCubicMetre; }
double kilogramsPerHourFromSlm(double slm, double specificGravity) {
    return cubicMetresPerHourFromSlm(slm) * specificGravity * kAirDensity;
}
double kvFromCv(double cv) { return cv * kKvPerCv; }

std::string unitValueText(double value) {
    const double magnitude = std::abs(value);
    if (magnitude >= 1000 && magnitude < 1e7) return compactNumberText(value, std::chars_format::fixed, 0);
    if (magnitude >= 1e7) return compactNumberText(value, std::chars_format::scientific, 3);
    return compactNumberText(value, std::chars_format::general, 4);
}

std::string otherUnitsText(FlowMode mode, std::string_view resultText, std::string_view specificGravity) {
    if (resultText.empty()) return {};
    const double result = leadingNumber(resultText);
    if (mode == FlowMode::Cv) {
        const std::string kv = unitValueText(kvFromCv(result));
        return kv.empty() ? std::string() : "Kv " + kv;
    }
    if (mode != FlowMode::MassFlow) return {};
    const double sg = leadingNumber(specificGravity);
    const std::string scfh = unitValueText(scfhFromSlm(result));
    const std::string cubicMetres = unitValueText(cubicMetresPerHourFromSlm(result));
    const std::string kilograms = sg > 0 ? unitValueText(kilogramsPerHourFromSlm(result, sg)) : std::string();
    if (scfh.empty() || cubicMetres.empty()) return {};
    std::string line = scfh + " scfh · " + cubicMetres + " m³/h";
    if (!kilograms.empty()) line += " · " + kilograms + " kg/h";
    return line;
}

std::string_view otherUnitsExplanation(FlowMode mode) {
    switch (mode) {
        case FlowMode::MassFlow:
            return "At the standard conditions of the slm: 14.7 psia and 60 °F (scfh, m³/h); "
                   "kg/h from the specific gravity and air's 1.223 kg/m³ there";
        case FlowMode::Cv:
            return "Kv = 0.865 × Cv (m³/h of water at a pressure drop of 1 bar)";
        case FlowMode::None:
            break;
    }
    return {};
}

}  // namespace tarvek
