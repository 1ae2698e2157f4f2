// The units of the sizing by the standard: gauge pressures in psig, bar(g) or kPa(g),
// temperatures in °F or °C, and flows as standard volumes at their reference conditions or
// as mass. The equations work in psia, degrees Rankine and lb/h; these convert to and from them.
#pragma once

#include <array>
#include <string_view>

namespace tarvek {

enum class PressureUnit { Psig, BarGauge, KilopascalGauge };
enum class TemperatureUnit { Fahrenheit, Celsius };
enum class FlowUnit { Slm, Scfh, NormalCubicMetresPerHour, StandardCubicMetresPerHour, KilogramsPerHour };

inline constexpr std::array kPressureUnits = {PressureUnit::Psig, PressureUnit::BarGauge,
                                              PressureUnit::KilopascalGauge};
inline constexpr std::array kTemperatureUnits = {TemperatureUnit::Fahrenheit, TemperatureUnit::Celsius};
inline constexpr std::array kFlowUnits = {FlowUnit::Slm, FlowUnit::Scfh, FlowUnit::NormalCubicMetresPerHour,
                                          FlowUnit::StandardCubicMetresPerHour, FlowUnit::KilogramsPerHour};

// One standard atmosphere, 101.325 kPa: gauge pressures are above it.
inline constexpr double kStandardAtmospherePsia = 14.695948775513449;
inline constexpr double kKilopascalsPerPsi = 6.894757293168361;
inline constexpr double kRankinePerKelvin = 1.8;
inline constexpr double kAbsoluteZeroFahrenheit = -459.67;
inline constexpr double kAbsoluteZeroCelsius = -273.15;
// Molar mass from the specific gravity: air's 28.96 g/mol times SG.
inline constexpr double kAirMolecularMass = 28.96;
// The gas constant in psia ft3 / (lbmol °R).
inline constexpr double kGasConstant = 10.7315770888185;
inline constexpr double kKilogramsPerPound = 0.45359237;

// Where a standard volume is measured: the conditions a unit's gas volume is counted at.
struct ReferenceConditions {
    double pressure;        // psia
    double temperature;     // °R
    std::string_view text;  // "14.7 psia, 60 °F"
};

// slm and scfh at the catalogue's own 14.7 psia and 60 °F; normal m³/h at 0 °C and 1 atm;
// standard m³/h at 15 °C and 1 atm. Mass has none.
const ReferenceConditions* referenceConditions(FlowUnit unit);

std::string_view unitText(PressureUnit unit);     // "psig", "bar(g)", "kPa(g)"
std::string_view unitText(TemperatureUnit unit);  // "°F", "°C"
std::string_view unitText(FlowUnit unit);         // "slm", "scfh", "Nm³/h", "Sm³/h", "kg/h"
// The unit with its reference conditions, as a flow is shown: "Nm³/h (0 °C, 1 atm)".
std::string_view unitTextWithConditions(FlowUnit unit);

double psiaFromGauge(double gauge, PressureUnit unit);
double gaugeFromPsia(double psia, PressureUnit unit);
// The gauge reading of vacuum in the unit: no pressure is below it.
double vacuumGauge(PressureUnit unit);

double rankineFrom(double temperature, TemperatureUnit unit);
double temperatureFromRankine(double rankine, TemperatureUnit unit);
double absoluteZero(TemperatureUnit unit);

double molecularMass(double specificGravity);
// lb/h of a gas of molar mass M (g/mol) from a flow in the unit, and back.
double poundsPerHourFrom(double flow, FlowUnit unit, double molecularMass);
double flowFromPoundsPerHour(double poundsPerHour, FlowUnit unit, double molecularMass);

}  // namespace tarvek
