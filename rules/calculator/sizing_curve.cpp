#include "rules/calculator/sizing_curve.h"

#include <algorithm>
#include <cmath>

#include "rules/calculator/sizing_text.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

// An outlet this small a fraction of the inlet stands for vacuum, where x would be 1.
constexpr double kNearVacuum = 1e-9;

CurveGap gapOf(IecGap gap) {
    switch (gap) {
        case IecGap::NoPressureDrop:
            return CurveGap::NoPressureDrop;
        case IecGap::NoInletPressure:
            return CurveGap::NoInletPressure;
        default:
            return CurveGap::OutOfRange;
    }
}

// Absolute outlet pressures from near vacuum to just below the inlet, closer towards the
// inlet, as the catalogue's curve is sampled.
std::vector<double> sampleOutlets(double inlet, int samples) {
    std::vector<double> outlets;
    for (int i = 0; i < samples; ++i) {
        const double remaining = 1.0 - double(i) / samples;
        outlets.push_back(std::max(inlet * (1.0 - remaining * remaining), inlet * kNearVacuum));
    }
    return outlets;
}

}  // namespace

std::optional<CurvePoint> sizingCurvePoint(const SizingCurveSource& source, double outlet) {
    SizingRequest request = source.request;
    const double inlet = request.conditions.inlet;
    request.conditions.outlet = std::max(psiaFromGauge(outlet, source.units.pressure), inlet * kNearVacuum);
    const SizingOutcome found = solve(request);
    if (!found.ok()) return std::nullopt;
    const double value =
        request.unknown == SizingUnknown::Cv
            ? found.sizing->cv
            : flowFromPoundsPerHour(found.sizing->massFlow, source.units.flow, source.molecularMass);
    if (!std::isfinite(value)) return std::nullopt;
    return CurvePoint{outlet, value, found.sizing->choked};
}

FlowCurve sizingCurve(const SizingTexts& texts, int samples) {
    FlowCurve curve;
    curve.mode = texts.unknown == SizingUnknown::Cv ? FlowMode::Cv : FlowMode::MassFlow;
    curve.pressureUnit = unitText(texts.units.pressure);
    curve.flowUnit = unitText(texts.units.flow);
    if (const ReferenceConditions* at = referenceConditions(texts.units.flow))
        curve.referenceConditions = at->text;
    curve.vacuum = vacuumGauge(texts.units.pressure);

    const SizingOutcome outcome = calculateSizing(texts);
    curve.reason = sizingStatusText(outcome, texts.units);
    if (!outcome.missing.empty()) return curve;  // CurveGap::MissingInputs
    if (!outcome.ok()) {
        curve.gap = gapOf(outcome.gap);
        return curve;
    }
    const SizingRequest request = *sizingRequest(texts);
    SizingRequest asked = request;
    if (asked.unknown == SizingUnknown::OutletPressure) asked.unknown = SizingUnknown::Flow;
    curve.sizing = SizingCurveSource{asked, texts.units, outcome.molecularMass};

    const IecSizing& result = *outcome.sizing;
    const double inlet = request.conditions.inlet;
    curve.inlet = gaugeFromPsia(inlet, texts.units.pressure);
    // With Fγ xT of 1 or more nothing chokes above vacuum: the boundary lies below the span.
    curve.chokedOutlet = result.xChoked < 1
                             ? gaugeFromPsia(inlet * (1 - result.xChoked), texts.units.pressure)
                             : curve.vacuum - 1;
    const std::optional<CurvePoint> now =
        sizingCurvePoint(*curve.sizing, gaugeFromPsia(result.outlet, texts.units.pressure));
    if (!now || !std::isfinite(curve.inlet)) {
        curve.gap = CurveGap::OutOfRange;
        curve.reason = "No curve: the numbers are too large to calculate";
        return curve;
    }
    curve.operatingPoint = *now;

    std::vector<double> outlets;
    for (const double psia : sampleOutlets(inlet, std::max(samples, 2)))
        outlets.push_back(gaugeFromPsia(psia, texts.units.pressure));
    if (curve.chokedOutlet > curve.vacuum && curve.chokedOutlet < curve.inlet)
        outlets.push_back(curve.chokedOutlet);
    outlets.push_back(curve.operatingPoint.outlet);
    std::sort(outlets.begin(), outlets.end());
    outlets.erase(std::unique(outlets.begin(), outlets.end()), outlets.end());
    for (const double outlet : outlets)
        if (outlet < curve.inlet)
            if (const auto point = sizingCurvePoint(*curve.sizing, outlet)) curve.points.push_back(*point);
    if (curve.mode == FlowMode::MassFlow) curve.points.push_back({curve.inlet, 0, false});
    curve.gap = CurveGap::None;
    curve.reason.clear();
    return curve;
}

}  // namespace tarvek
