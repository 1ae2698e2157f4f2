#include "rules/calculator/flow_curve_text.h"

#include "rules/calculator/flow_units.h"

namespace tarvek {
namespace {

std::string_view inputName(FlowInput input) {
    switch (input) {
        case FlowInput::Mode:
            return "mode";
        case FlowInput::Gas:
            return "gas";
        case FlowInput::Temperature:
            return "temperature";
        case FlowInput::InletPressure:
            return "inlet pressure";
        case FlowInput::OutletPressure:
            return "outlet pressure";
        case FlowInput::Cv:
            return "Cv";
        case FlowInput::MassFlow:
            return "mass flow";
        case FlowInput::XtFactor:
            return "Xt";
    }
    return {};
}

std::string pressureText(double psig) { return unitValueText(psig) + " " + std::string(kPressureUnit); }

std::string pressureText(const FlowCurve& curve, double pressure) {
    return unitValueText(pressure) + " " + std::string(curve.pressureUnit);
}

}  // namespace

std::string pressureAxisTitle(const FlowCurve& curve) {
    return "Outlet pressure (" + std::string(curve.pressureUnit) + ")";
}

std::string valueAxisTitle(const FlowCurve& curve) {
    if (curve.mode == FlowMode::Cv) return "Cv needed";
    std::string unit(curve.flowUnit);
    if (!curve.referenceConditions.empty() && curve.sizing)
        unit += " at " + std::string(curve.referenceConditions);
    return "Flow (" + unit + ")";
}

std::string curvePointText(const FlowCurve& curve, const CurvePoint& point) {
    if (!curve.sizing) return pointText(curve.mode, point);
    const std::string value = curve.mode == FlowMode::Cv
                                  ? "Cv " + unitValueText(point.value)
                                  : unitValueText(point.value) + " " + std::string(curve.flowUnit);
    return pressureText(curve, point.outlet) + ": " + value + (point.choked ? ", choked" : "");
}

std::string gapText(const FlowCurve& curve) {
    if (!curve.reason.empty()) return curve.reason;
    switch (curve.gap) {
        case CurveGap::None:
            return {};
        case CurveGap::MissingInputs: {
            std::string text = "Missing: ";
            for (std::size_t i = 0; i < curve.missing.size(); ++i)
                text += (i ? ", " : "") + std::string(inputName(curve.missing[i]));
            return text;
        }
        case CurveGap::NoPressureDrop:
            return "No flow: the outlet pressure is not below the inlet pressure";
        case CurveGap::NoInletPressure:
            return "No flow: an inlet pressure of -14.7 psig is vacuum";
        case CurveGap::OutOfRange:
            return "No curve: the numbers are too large to calculate";
    }
    return {};
}

std::string pointText(FlowMode mode, const CurvePoint& point) {
    const std::string value =
        mode == FlowMode::Cv ? "Cv " + cvText(float(point.value)) : massFlowText(float(point.value)) + " slm";
    return pressureText(point.outlet) + ": " + value + (point.choked ? ", choked" : "");
}

std::string curveSummary(const FlowCurve& curve) {
    if (!curve.drawn()) return gapText(curve);
    std::string summary = (curve.mode == FlowMode::Cv ? "Cv needed from " : "Flow from ") +
                          pressureText(curve, curve.vacuum) + " to " + pressureText(curve, curve.inlet) +
                          "; now " + curvePointText(curve, curve.operatingPoint);
    if (curve.chokedOutlet >= curve.vacuum)
        summary += "; choked at or below " + pressureText(curve, curve.chokedOutlet);
    return summary;
}

}  // namespace tarvek
