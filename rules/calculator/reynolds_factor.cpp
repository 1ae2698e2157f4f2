#include "rules/calculator/reynolds_factor.h"

#include <algorithm>
#include <cmath>

#include "rules/calculator/sizing_units.h"

namespace tarvek {
namespace {

// The standard's numerical constants for Cv, mm, m³/h and m²/s.
constexpr double kN2 = 2.14e-3;
constexpr double kN4 = 7.60e-2;
constexpr double kN18 = 1.00;
constexpr double kN32 = 1.27e2;
constexpr double kPascalSecondsPerCentipoise = 1e-3;

bool fraction(double value) { return value > 0 && value <= 1; }

// The factor n of the FR equations: n1 for full-size trim, n2 for reduced trim, told apart
// by C / d² against 0.016 N18.
double trimFactor(const ReynoldsInputs& inputs, double cv) {
    const double perArea = cv / (inputs.inletDiameter * inputs.inletDiameter);
    if (perArea >= 0.016 * kN18) return kN2 / (perArea * perArea);
    return 1 + kN32 * std::cbrt(perArea * perArea);
}

}  // namespace

bool usable(const ReynoldsInputs& inputs) {
    return inputs.viscosity > 0 && inputs.inletDiameter > 0 && fraction(inputs.fd) && fraction(inputs.fl) &&
           std::isfinite(inputs.viscosity) && std::isfinite(inputs.inletDiameter);
}

double valveReynoldsNumber(const ReynoldsInputs& inputs, double massFlowPoundsPerHour, double cv) {
    const double kilogramsPerHour = massFlowPoundsPerHour * kKilogramsPerPound;
    const double pascalSeconds = inputs.viscosity * kPascalSecondsPerCentipoise;
    const double fl = inputs.fl, diameter = inputs.inletDiameter;
    const double diameterTerm = fl * fl * cv * cv / (kN2 * std::pow(diameter, 4)) + 1;
    return kN4 * inputs.fd * (kilogramsPerHour / pascalSeconds) / std::sqrt(cv * fl) *
           std::sqrt(std::sqrt(diameterTerm));
}

double reynoldsNumberFactor(const ReynoldsInputs& inputs, double reynoldsNumber, double cv) {
    if (!(reynoldsNumber < kTurbulentReynoldsNumber)) return 1;
    const double n = trimFactor(inputs, cv);
    const double laminar = 0.026 / inputs.fl * std::sqrt(n * reynoldsNumber);
    if (reynoldsNumber < 10) return std::min(laminar, 1.0);
    const double transitional = 1 + 0.33 * std::sqrt(inputs.fl) / std::sqrt(std::sqrt(n)) *
                                        std::log10(reynoldsNumber / kTurbulentReynoldsNumber);
    return std::clamp(std::min(transitional, laminar), 0.0, 1.0);
}

}  // namespace tarvek
