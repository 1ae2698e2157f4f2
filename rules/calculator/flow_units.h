// The calculator's result in the units customers ask for. Its flow constant 454.47 is
// 963 x 0.47195 (litres per minute in a cubic foot per hour): the slm are litres at the
// standard conditions of the standard cubic foot, 14.7 psia and 60 F, and so are the
// scfh and m3/h here; the mass follows from the specific gravity times air's density there.
#pragma once

#include <string>
#include <string_view>

#include "rules/calculator/flow_calculation.h"

namespace tarvek {

constexpr double kLitresPerCubicFoot = 28.316846592;
// Dry air at 14.7 psia and 60 F (288.71 K), as an ideal gas of molar mass 28.9647 g/mol.
constexpr double kAirDensity = 1.22297;  // kg/m3
constexpr double kKvPerCv = 0.865;       // m3/h of water at 1 bar drop, per US gpm at 1 psi

double scfhFromSlm(double slm);
double cubicMetresPerHourFromSlm(double slm);
double kilogramsPerHourFromSlm(double slm, double specificGravity);
double kvFromCv(double cv);

// A converted value with four significant digits (whole numbers from 1,000 up), no
// grouping, a point as decimal separator; an exponent from 10,000,000 up.
std::string unitValueText(double value);

// The line under the result: "3702 scfh · 104.8 m³/h · 124 kg/h" for a flow, "Kv 0.8641"
// for a Cv. Empty when there is no result, or no specific gravity for the mass.
std::string otherUnitsText(FlowMode mode, std::string_view resultText, std::string_view specificGravity);

// The tooltip of that line: which standard conditions, or what Kv is.
std::string_view otherUnitsExplanation(FlowMode mode);

}  // namespace tarvek
