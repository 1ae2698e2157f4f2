// The sizing by the standard as the calculator asks it: its boxes' texts and the chosen
// gas read as an IecCase in the chosen units, which inputs are still missing, the solution
// for the unknown, and the result as its box shows it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/calculator/iec_gas_sizing.h"
#include "rules/calculator/sizing_boxes.h"
#include "rules/calculator/sizing_units.h"

namespace tarvek {

enum class SizingUnknown { Flow, Cv, OutletPressure };
inline constexpr SizingUnknown kSizingUnknowns[] = {SizingUnknown::Flow, SizingUnknown::Cv,
                                                    SizingUnknown::OutletPressure};
// "Flow", "Cv", "Outlet pressure"
std::string_view unknownText(SizingUnknown unknown);

struct SizingUnits {
    PressureUnit pressure = PressureUnit::Psig;
    TemperatureUnit temperature = TemperatureUnit::Fahrenheit;
    FlowUnit flow = FlowUnit::Slm;

    friend bool operator==(const SizingUnits&, const SizingUnits&) = default;
};

// The box that shows the unknown.
SizingBox resultBox(SizingUnknown unknown);

// In the order a user fills them in.
enum class SizingInput {
    Gas,
    SpecificHeat,
    Temperature,
    InletPressure,
    OutletPressure,
    Cv,
    Flow,
    Xt,
    Compressibility,
    Viscosity,
    InletDiameter,
    Fd,
    Fl,
};

std::string_view inputName(SizingInput input);

// The calculation's question, in the equations' units.
struct SizingRequest {
    IecCase conditions;
    SizingUnknown unknown = SizingUnknown::Flow;
    double cv = 0;
    double massFlow = 0;  // lb/h
};

struct SizingOutcome {
    std::vector<SizingInput> missing;  // when not empty, nothing was calculated
    IecGap gap = IecGap::None;
    double mostFlow = 0;  // lb/h, for IecGap::AboveMostFlow
    std::optional<IecSizing> sizing;
    double molecularMass = 0;  // of the gas, for the flow in other units

    bool ok() const { return sizing.has_value(); }
    friend bool operator==(const SizingOutcome&, const SizingOutcome&) = default;
};

// The texts of the boxes, in the order of SizingBox, with the chosen gas's specific gravity
// and k. A text that is not a number reads as 0; an empty one is missing. The Reynolds
// number factor applies when any of its four boxes is filled, and then needs all four.
struct SizingTexts {
    std::array<std::string_view, kSizingBoxCount> boxes;
    std::string_view specificGravity, specificHeat;
    SizingUnknown unknown = SizingUnknown::Flow;
    SizingUnits units;
};

std::vector<SizingInput> missingSizingInputs(const SizingTexts& texts);
std::optional<SizingRequest> sizingRequest(const SizingTexts& texts);

SizingOutcome solve(const SizingRequest& request);
SizingOutcome calculateSizing(const SizingTexts& texts);

// The unknown's value as its box shows it, in its unit; empty without a result.
std::string resultText(const SizingOutcome& outcome, SizingUnknown unknown, const SizingUnits& units);

// Four significant digits, as every converted value.
std::string sizingValueText(double value);

}  // namespace tarvek
