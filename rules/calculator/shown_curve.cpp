#include "rules/calculator/shown_curve.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "rules/calculator/sizing_curve.h"

namespace tarvek {

FlowCurve shownCurve(const CalculatorState& state, int samples) {
    if (state.method == CalculationMethod::Iec) {
        SizingTexts texts = state.sizingTexts();
        texts.boxes[std::size_t(resultBox(texts.unknown))] = {};
        return sizingCurve(texts, samples);
    }
    FlowFields fields = state.fields();
    if (fields.mode == FlowMode::MassFlow) fields.massFlow = {};
    if (fields.mode == FlowMode::Cv) fields.cv = {};
    return flowCurve(fields, samples);
}

double plottedMaximum(const FlowCurve& curve) {
    double highest = 0, lowest = INFINITY;
    for (const CurvePoint& point : curve.points) {
        highest = std::max(highest, point.value);
        lowest = std::min(lowest, point.value);
    }
    if (curve.mode == FlowMode::Cv && std::isfinite(lowest))
        highest = std::min(highest, std::max(4 * lowest, 1.25 * curve.operatingPoint.value));
    return highest;
}

}  // namespace tarvek
