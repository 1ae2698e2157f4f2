// What the flow curve says in words: the line of an empty curve, the pointer's tooltip,
// the axes' units and a one-line summary for screen readers.
#pragma once

#include <string>
#include <string_view>

#include "rules/calculator/flow_curve.h"

namespace tarvek {

inline constexpr std::string_view kPressureUnit = "psig";
inline constexpr std::string_view kChokedLabel = "choked";

// "slm" for the flow, "Cv" for the Cv.
std::string_view valueUnit(FlowMode mode);

// Why an empty curve is empty, in one line ("Missing: gas, inlet pressure"); empty for
// a drawn curve.
std::string gapText(const FlowCurve& curve);

// "45.86 psig: 1922.9 slm, choked": the value as the calculator would write it.
std::string pointText(FlowMode mode, const CurvePoint& point);

// The curve in one sentence: the operating point and where the flow chokes; or the gap.
std::string curveSummary(const FlowCurve& curve);

}  // namespace tarvek
