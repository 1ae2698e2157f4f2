#include "rules/calculator/flow_curve.h"

#include <algorithm>
#include <cmath>

#include "rules/calculator/sizing_curve.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

std::optional<CurvePoint> pointAt(const FlowInputs& inputs, double outlet) {
    const auto result = flowAt(inputs, float(outlet + kAtmosphere));
    if (!result || !std::isfinite(result->value)) return std::nullopt;
    return CurvePoint{outlet, result->value, result->choked};
}

// Outlet pressures from vacuum to just below the inlet, closer together towards the inlet:
// there the flow goes as the square root of the pressure drop, which the square of the
// sample index turns into a straight line.
std::vector<double> sampleOutlets(double inlet, int samples) {
    std::vector<double> outlets;
    const double span = inlet - kVacuum;
    for (int i = 0; i < samples; ++i) {
        const double remaining = 1.0 - double(i) / samples;
        outlets.push_back(kVacuum + span * (1.0 - remaining * remaining));
    }
    return outlets;
}

}  // namespace

FlowCurve flowCurve(const FlowFields& fields, int samples) {
    FlowCurve curve;
    curve.mode = fields.mode;
    curve.missing = missingInputs(fields);
    const std::optional<FlowInputs> inputs = flowInputs(fields);
    if (!inputs) return curve;
    curve.inputs = *inputs;

    const std::optional<FlowResult> result = flowAt(*inputs, inputs->outlet);
    if (!result) {
        curve.gap = inputs->inlet > 0 ? CurveGap::NoPressureDrop : CurveGap::NoInletPressure;
        return curve;
    }
    // What the calculator would write; where it writes nothing, there is nothing to draw.
    const bool shown = fields.mode == FlowMode::MassFlow ? !massFlowText(result->value).empty()
                                                         : !cvText(result->value).empty();
    // The typed gauge pressures, which give exactly the calculator's working values again.
    curve.inlet = leadingNumber(fields.inletPressure);
    curve.chokedOutlet = double(chokedOutlet(*inputs)) - kAtmosphere;
    curve.operatingPoint = {leadingNumber(fields.outletPressure), result->value, result->choked};
    if (!shown || !std::isfinite(curve.inlet)) {
        curve.gap = CurveGap::OutOfRange;
        return curve;
    }

    std::vector<double> outlets = sampleOutlets(curve.inlet, std::max(samples, 2));
    if (curve.chokedOutlet > kVacuum && curve.chokedOutlet < curve.inlet)
        outlets.push_back(curve.chokedOutlet);
    if (curve.operatingPoint.outlet >= kVacuum) outlets.push_back(curve.operatingPoint.outlet);
    std::sort(outlets.begin(), outlets.end());
    outlets.erase(std::unique(outlets.begin(), outlets.end()), outlets.end());
    for (const double outlet : outlets)
        if (const auto point = pointAt(*inputs, outlet)) curve.points.push_back(*point);
    // At the inlet pressure itself nothing flows: the flow curve ends at zero there.
    if (fields.mode == FlowMode::MassFlow) curve.points.push_back({curve.inlet, 0, false});

    curve.gap = CurveGap::None;
    return curve;
}

std::optional<CurvePoint> curvePointAt(const FlowCurve& curve, double outlet) {
    if (!curve.drawn() || !(outlet >= curve.vacuum && outlet <= curve.inlet)) return std::nullopt;
    if (curve.sizing) {
        if (outlet < curve.inlet) return sizingCurvePoint(*curve.sizing, outlet);
        if (curve.mode == FlowMode::MassFlow) return CurvePoint{curve.inlet, 0, false};
        return std::nullopt;
    }
    if (const auto point = pointAt(curve.inputs, outlet)) return point;
    if (curve.mode == FlowMode::MassFlow && outlet >= curve.inlet) return CurvePoint{curve.inlet, 0, false};
    return std::nullopt;
}

}  // namespace tarvek
