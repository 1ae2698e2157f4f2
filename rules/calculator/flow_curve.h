// The calculator's answer over every outlet pressure from vacuum up to the inlet pressure:
// the flow (or, in Cv mode, the Cv needed) at each, where the flow chokes, and the
// operating point; or why there is no curve. Pressures here are gauge (psig), as typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/calculator/flow_equation.h"
#include "rules/calculator/flow_inputs.h"
#include "rules/calculator/sizing_calculation.h"

namespace tarvek {

// The lowest outlet pressure there is: vacuum, -14.7 psig.
constexpr double kVacuum = -kAtmosphere;

struct CurvePoint {
    double outlet = 0;  // psig (the sizing's: in its pressure unit)
    double value = 0;   // slm in mass-flow mode, Cv in Cv mode; not cut down (the sizing's: its flow unit)
    bool choked = false;
};

// What a curve of the sizing by the standard is drawn from: its question, with the outlet
// pressure free, and the units it is shown in.
struct SizingCurveSource {
    SizingRequest request;  // its unknown: the flow, or the Cv
    SizingUnits units;
    double molecularMass = 0;
};

// Why no curve is drawn: exactly when the calculator has no result to show.
enum class CurveGap {
    None,
    MissingInputs,    // an input is missing: see FlowCurve::missing
    NoPressureDrop,   // the outlet is not below the inlet
    NoInletPressure,  // an inlet of -14.7 psig, no pressure at all
    OutOfRange,       // the result is too large (or too small) for single precision
};

struct FlowCurve {
    CurveGap gap = CurveGap::MissingInputs;
    std::vector<FlowInput> missing;
    std::string reason;  // the sizing's own words for a gap; empty for the catalogue's
    FlowMode mode = FlowMode::None;
    FlowInputs inputs;
    double inlet = 0;         // psig; the curve spans kVacuum .. inlet
    double chokedOutlet = 0;  // psig; outlets at or below it are choked, (1 - Xt) x P1 - 14.7
    CurvePoint operatingPoint;
    // Ascending outlet pressure; finite values only. In mass-flow mode the last point is
    // the inlet pressure itself, where no gas flows.
    std::vector<CurvePoint> points;

    // The units of the axes, and vacuum in the pressure unit: the catalogue's, unless the
    // curve is the sizing's.
    std::string_view pressureUnit = "psig";
    std::string_view flowUnit = "slm";
    std::string_view referenceConditions;  // of a standard flow of the sizing
    double vacuum = kVacuum;
    std::optional<SizingCurveSource> sizing;

    bool drawn() const { return gap == CurveGap::None; }
};

// The curve for the calculator's fields, sampled at about `samples` outlet pressures (more
// closely towards the inlet, where the flow changes fastest), plus the choked boundary and
// the operating point, so that both lie exactly on the line.
FlowCurve flowCurve(const FlowFields& fields, int samples = 160);

// The curve's value at any outlet pressure of its span (for the pointer); none outside it
// or where no finite value exists.
std::optional<CurvePoint> curvePointAt(const FlowCurve& curve, double outlet);

}  // namespace tarvek
