// What the flow curve says in words: the line of an empty curve, the pointer's tooltip,
// the axes' units and a one-line summary for screen readers.
#pragma once

#include <string>
#include <string_view>

#include "rules/calculator/flow_curve.h"

namespace tarvek {

inline constexpr std::string_view kPressureUnit = "psig";
inline constexpr std::string_view kChokedLabel = "choked";

// The axes' titles: "Outlet pressure (psig)"; "Flow (slm)", "Flow (Nm³/h at 0 °C, 1 atm)"
// or "Cv needed".
std::string pressureAxisTitle(const FlowCurve& curve);
std::string valueAxisTitle(const FlowCurve& curve);

// A point as the curve's own method writes it: pointText for the catalogue's curve, the
// sizing's units and four digits for the sizing's.
std::string curvePointText(const FlowCurve& curve, const CurvePoint& point);

// Why an empty curve is empty, in one line ("Missing: gas, inlet pressure"); empty for
// a drawn curve.
std::string gapText(const FlowCurve& curve);

// "45.86 psig: 1922.9 slm, choked": the value as the calculator would write it.
std::string pointText(FlowMode mode, const CurvePoint& point);

// The curve in one sentence: the operating point and where the flow chokes; or the gap.
std::string curveSummary(const FlowCurve& curve);

}  // namespace tarvek
