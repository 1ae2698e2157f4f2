// What the sizing by the standard says in words: why there is no result, the factors of a
// result, whether the flow is turbulent, and the flow in every unit with the reference
// conditions of each standard flow.
#pragma once

#include <string>
#include <vector>

#include "rules/calculator/sizing_calculation.h"

namespace tarvek {

// "Missing: gas, inlet pressure", or "No result: " and the reason; empty with a result.
std::string sizingStatusText(const SizingOutcome& outcome, const SizingUnits& units);

// "x 0.1744 · Fγ 1 · Y 0.8838"; when choked, x is taken as Fγ xT: "x 0.6975 → 0.5 · …".
std::string sizingFactorsText(const IecSizing& sizing);

// "Turbulent", with the valve Reynolds number when known; "Not turbulent: Rev 1202, FR 0.7151".
std::string flowRegimeText(const IecSizing& sizing);

// The result's flow in the units other than the one shown, each standard flow with its
// reference conditions: "585.3 scfh (14.7 psia, 60 °F)".
std::vector<std::string> flowEquivalents(const SizingOutcome& outcome, FlowUnit shown);

}  // namespace tarvek
