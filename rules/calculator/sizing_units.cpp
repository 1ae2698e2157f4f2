#include "rules/calculator/sizing_units.h"

namespace tarvek {
namespace {

constexpr double kBarPerPsi = kKilopascalsPerPsi / 100;
constexpr double kLitresPerCubicFoot = 28.316846592;
constexpr double kCubicMetresPerCubicFoot = kLitresPerCubicFoot / 1000;
constexpr double kMinutesPerHour = 60;

constexpr double rankineFromCelsius(double celsius) {
    return (celsius - kAbsoluteZeroCelsius) * kRankinePerKelvin;
}

constexpr ReferenceConditions kCatalogueConditions{14.7, 60 - kAbsoluteZeroFahrenheit, "14.7 psia, 60 °F"};
constexpr ReferenceConditions kNormalConditions{kStandardAtmospherePsia, rankineFromCelsius(0),
                                                "0 °C, 1 atm"};
constexpr ReferenceConditions kStandardConditions{kStandardAtmospherePsia, rankineFromCelsius(15),
                                                  "15 °C, 1 atm"};

// lb/ft3 of the gas at the unit's reference conditions, as an ideal gas.
double referenceDensity(const ReferenceConditions& at, double molecularMass) {
    return at.pressure * molecularMass / (kGasConstant * at.temperature);
}

// A standard volume per hour of the unit, in cubic feet at its reference conditions.
double cubicFeetPerHour(double flow, FlowUnit unit) {
    switch (unit) {
        case FlowUnit::Slm:
            return flow * kMinutesPerHour / kLitresPerCubicFoot;
        case FlowUnit::Scfh:
            return flow;
        case FlowUnit::NormalCubicMetresPerHour:
        case FlowUnit::StandardCubicMetresPerHour:
            return flow / kCubicMetresPerCubicFoot;
        case FlowUnit::KilogramsPerHour:
            break;
    }
    return flow;
}

}  // namespace

const ReferenceConditions* referenceConditions(FlowUnit unit) {
    switch (unit) {
        case FlowUnit::Slm:
        case FlowUnit::Scfh:
            return &kCatalogueConditions;
        case FlowUnit::NormalCubicMetresPerHour:
            return &kNormalConditions;
        case FlowUnit::StandardCubicMetresPerHour:
            return &kStandardConditions;
        case FlowUnit::KilogramsPerHour:
            break;
    }
    return nullptr;
}

std::string_view unitText(PressureUnit unit) {
    switch (unit) {
        case PressureUnit::Psig:
            return "psig";
        case PressureUnit::BarGauge:
            return "bar(g)";
        case PressureUnit::KilopascalGauge:
            return "kPa(g)";
    }
    return {};
}

std::string_view unitText(TemperatureUnit unit) { return unit == TemperatureUnit::Celsius ? "°C" : "°F"; }

std::string_view unitText(FlowUnit unit) {
    switch (unit) {
        case FlowUnit::Slm:
            return "slm";
        case FlowUnit::Scfh:
            return "scfh";
        case FlowUnit::NormalCubicMetresPerHour:
            return "Nm³/h";
        case FlowUnit::StandardCubicMetresPerHour:
            return "Sm³/h";
        case FlowUnit::KilogramsPerHour:
            return "kg/h";
    }
    return {};
}

std::string_view unitTextWithConditions(FlowUnit unit) {
    switch (unit) {
        case FlowUnit::Slm:
            return "slm (14.7 psia, 60 °F)";
        case FlowUnit::Scfh:
            return "scfh (14.7 psia, 60 °F)";
        case FlowUnit::NormalCubicMetresPerHour:
            return "Nm³/h (0 °C, 1 atm)";
        case FlowUnit::StandardCubicMetresPerHour:
            return "Sm³/h (15 °C, 1 atm)";
        case FlowUnit::KilogramsPerHour:
            return "kg/h";
    }
    return {};
}

double psiaFromGauge(double gauge, PressureUnit unit) {
    switch (unit) {
        case PressureUnit::Psig:
            return gauge + kStandardAtmospherePsia;
        case PressureUnit::BarGauge:
            return gauge / kBarPerPsi + kStandardAtmospherePsia;
        case PressureUnit::KilopascalGauge:
            return gauge / kKilopascalsPerPsi + kStandardAtmospherePsia;
    }
    return gauge;
}

double gaugeFromPsia(double psia, PressureUnit unit) {
    const double psig = psia - kStandardAtmospherePsia;
    switch (unit) {
        case PressureUnit::Psig:
            return psig;
        case PressureUnit::BarGauge:
            return psig * kBarPerPsi;
        case PressureUnit::KilopascalGauge:
            return psig * kKilopascalsPerPsi;
    }
    return psig;
}

double vacuumGauge(PressureUnit unit) { return gaugeFromPsia(0, unit); }

double rankineFrom(double temperature, TemperatureUnit unit) {
    return unit == TemperatureUnit::Celsius ? rankineFromCelsius(temperature)
                                            : temperature - kAbsoluteZeroFahrenheit;
}

double temperatureFromRankine(double rankine, TemperatureUnit unit) {
    return unit == TemperatureUnit::Celsius ? rankine / kRankinePerKelvin + kAbsoluteZeroCelsius
                                            : rankine + kAbsoluteZeroFahrenheit;
}

double absoluteZero(TemperatureUnit unit) {
    return unit == TemperatureUnit::Celsius ? kAbsoluteZeroCelsius : kAbsoluteZeroFahrenheit;
}

double molecularMass(double specificGravity) { return kAirMolecularMass * specificGravity; }

double poundsPerHourFrom(double flow, FlowUnit unit, double molecularMass) {
    if (unit == FlowUnit::KilogramsPerHour) return flow / kKilogramsPerPound;
    return cubicFeetPerHour(flow, unit) * referenceDensity(*referenceConditions(unit), molecularMass);
}

double flowFromPoundsPerHour(double poundsPerHour, FlowUnit unit, double molecularMass) {
    if (unit == FlowUnit::KilogramsPerHour) return poundsPerHour * kKilogramsPerPound;
    return poundsPerHour / referenceDensity(*referenceConditions(unit), molecularMass) /
           cubicFeetPerHour(1, unit);
}

}  // namespace tarvek
