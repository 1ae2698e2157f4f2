#include "rules/calculator/sizing_text.h"

namespace tarvek {

std::string sizingStatusText(const SizingOutcome& outcome, const SizingUnits& units) {
    if (!outcome.missing.empty()) {
        std::string text = "Missing: ";
        for (std::size_t i = 0; i < outcome.missing.size(); ++i)
            text += (i ? ", " : "") + std::string(inputName(outcome.missing[i]));
        return text;
    }
    if (outcome.ok()) return {};
    if (outcome.gap == IecGap::AboveMostFlow)
        return "No result: the valve passes at most " +
               sizingValueText(flowFromPoundsPerHour(outcome.mostFlow, units.flow, outcome.molecularMass)) +
               " " + std::string(unitTextWithConditions(units.flow)) + ", at any outlet pressure";
    return "No result: " + std::string(gapReason(outcome.gap));
}

std::string sizingFactorsText(const IecSizing& s) {
    std::string x = "x " + sizingValueText(s.x);
    if (s.choked) x += " → " + sizingValueText(s.xChoked);
    return x + " · Fγ " + sizingValueText(s.fGamma) + " · Y " + sizingValueText(s.y);
}

std::string flowRegimeText(const IecSizing& s) {
    const std::string reynolds =
        s.reynoldsNumber ? "Rev " + sizingValueText(*s.reynoldsNumber) : std::string();
    if (s.turbulent) return reynolds.empty() ? "Turbulent" : "Turbulent: " + reynolds;
    return "Not turbulent: " + reynolds + ", FR " + sizingValueText(s.fr);
}

std::vector<std::string> flowEquivalents(const SizingOutcome& outcome, FlowUnit shown) {
    std::vector<std::string> lines;
    if (!outcome.ok()) return lines;
    for (const FlowUnit unit : kFlowUnits) {
        if (unit == shown) continue;
        const std::string value =
            sizingValueText(flowFromPoundsPerHour(outcome.sizing->massFlow, unit, outcome.molecularMass));
        if (!value.empty()) lines.push_back(value + " " + std::string(unitTextWithConditions(unit)));
    }
    return lines;
}

}  // namespace tarvek
