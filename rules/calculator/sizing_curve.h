// The curve of the sizing by the standard, drawn as the catalogue's: the flow (or the Cv
// needed) over every outlet pressure from vacuum up to the inlet, in the sizing's units.
#pragma once

#include <optional>

#include "rules/calculator/flow_curve.h"

namespace tarvek {

// For the flow and the outlet pressure unknown, the flow of the Cv typed, its operating
// point the solution; for the Cv unknown, the Cv the flow typed needs.
FlowCurve sizingCurve(const SizingTexts& texts, int samples = 160);

// The sizing curve's point at an outlet pressure (in its unit); none where there is no result.
std::optional<CurvePoint> sizingCurvePoint(const SizingCurveSource& source, double outlet);

}  // namespace tarvek
