#include "rules/calculator/flow_question.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "rules/calculator/calculator.h"
#include "rules/calculator/cv_needed.h"
#include "rules/calculator/flow_curve.h"
#include "rules/calculator/flow_curve_text.h"
#include "rules/calculator/flow_units.h"
#include "rules/calculator/input_validation.h"
#include "rules/calculator/sizing_text.h"
#include "rules/numbers/compact_number_text.h"
#include "rules/numbers/number_text.h"
#include "rules/part_numbers/part_number_csv.h"

namespace tarvek {
namespace {

constexpr std::string_view kStandardXt = "0.5";  // the sizing box's own start

// Six significant digits: more than any box shows, for the programs that read the row.
std::string csvNumber(double value) { return compactNumberText(value, std::chars_format::general, 6); }

std::string row(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + csvField(fields[i]);
    return line + "\r\n";
}

FlowSolution refused(std::string_view what, const CalculatorWarning& warning) {
    FlowSolution refusal;
    refusal.noResult = std::string(what) + ": " + std::string(warning.prompt);
    return refusal;
}

FlowSolution noResult(std::string why) {
    FlowSolution none;
    none.noResult = std::move(why);
    return none;
}

// As a user fills in the window: the gas list holds the one gas, the mode is chosen, the
// boxes typed, the gas chosen (which sets Xt from k), and a valve's own Xt typed last.
FlowSolution catalogueSolution(const FlowQuestion& q) {
    if (q.units != SizingUnits{})
        return noResult("No result: the catalogue's formula works in psig, °F and slm");
    Calculator calculator;
    calculator.setGases({{q.gas.empty() ? std::string("gas") : q.gas, q.specificGravity, q.specificHeat}});
    const bool massFlowMode = q.cv.has_value();
    calculator.chooseMode(massFlowMode ? FlowMode::MassFlow : FlowMode::Cv);
    const std::pair<CalculatorBox, std::string> typed[] = {
        {CalculatorBox::Temperature, q.temperature},
        {CalculatorBox::InletPressure, q.inletPressure},
        {CalculatorBox::OutletPressure, q.outletPressure},
        {massFlowMode ? CalculatorBox::Cv : CalculatorBox::MassFlow, massFlowMode ? *q.cv : *q.flow},
    };
    for (const auto& [box, text] : typed)
        if (const auto& s = calculator.type(box, text); s.warning)
            return refused(s.warning->title, *s.warning);
    calculator.chooseGas(0);
    if (q.xt) {
        // The window's Xt box is hidden, set only from the gas, and takes an Xt of 0 or less as
        // 0.001. Typed here, an Xt is held to what the box's message says: above 0, at most 1.
        const BoxRule& rule = boxRule(CalculatorBox::XtFactor);
        if (isNumeric(*q.xt) && leadingNumber(*q.xt) <= 0)
            return refused(rule.title, CalculatorWarning{rule.prompt, rule.title});
        if (const auto& s = calculator.type(CalculatorBox::XtFactor, *q.xt); s.warning)
            return refused(s.warning->title, *s.warning);
    }

    const CalculatorState& s = calculator.state();
    const std::string& result = s.result(s.mode).text;
    if (result.empty()) {
        // The curve says why the calculator wrote nothing; it has no result, not no curve.
        std::string why = gapText(flowCurve(s.fields()));
        if (why.starts_with("No curve: ")) why.replace(0, 10, "No result: ");
        return noResult(why.empty() ? "No result" : why);
    }
    FlowSolution solved;
    solved.specificGravity = s.specificGravity;
    solved.specificHeat = s.specificHeat;
    solved.xt = s.box(CalculatorBox::XtFactor);
    solved.cv = s.box(CalculatorBox::Cv);
    solved.flow = s.box(CalculatorBox::MassFlow);
    const double inlet = leadingNumber(q.inletPressure) + kAtmosphere;
    solved.x =
        csvNumber(std::clamp((inlet - (leadingNumber(q.outletPressure) + kAtmosphere)) / inlet, 0.0, 1.0));
    if (const double sg = leadingNumber(s.specificGravity); sg > 0)
        solved.flowKilogramsPerHour = unitValueText(kilogramsPerHourFromSlm(leadingNumber(solved.flow), sg));
    solved.choked = s.choked;
    if (!massFlowMode) solved.cvNeeded = cvNeeded(s);  // what Valves for this Flow asks of a valve
    return solved;
}

// The sizing's boxes, checked as the window checks them in the units chosen.
FlowSolution standardSolution(const FlowQuestion& q) {
    const SizingUnknown unknown = q.cv ? SizingUnknown::Flow : SizingUnknown::Cv;
    SizingTexts texts{{}, q.specificGravity, q.specificHeat, unknown, q.units};
    const std::string xt = q.xt.value_or(std::string(kStandardXt)), z = q.z.value_or("1");
    const std::pair<SizingBox, const std::string*> given[] = {
        {SizingBox::Temperature, &q.temperature},
        {SizingBox::InletPressure, &q.inletPressure},
        {SizingBox::OutletPressure, &q.outletPressure},
        {SizingBox::Xt, &xt},
        {SizingBox::Compressibility, &z},
        {q.cv ? SizingBox::Cv : SizingBox::Flow, q.cv ? &*q.cv : &*q.flow},
    };
    for (const auto& [box, text] : given) {
        const SizingBoxRule& rule = sizingBoxRule(box, q.units.pressure, q.units.temperature);
        if (checkSizingEntry(rule, *text) == EntryCheck::Refused)
            return refused(rule.title, CalculatorWarning{rule.prompt, rule.title});
        texts.boxes[std::size_t(box)] = *text;
    }
    const SizingOutcome outcome = calculateSizing(texts);
    if (!outcome.ok()) return noResult(sizingStatusText(outcome, texts.units));
    const IecSizing& s = *outcome.sizing;
    FlowSolution solved;
    solved.specificGravity = q.specificGravity;
    solved.specificHeat = q.specificHeat;
    solved.xt = xt;
    solved.cv = q.cv ? *q.cv : csvNumber(s.cv);
    solved.flow =
        q.flow ? *q.flow : csvNumber(flowFromPoundsPerHour(s.massFlow, q.units.flow, outcome.molecularMass));
    solved.flowKilogramsPerHour =
        csvNumber(flowFromPoundsPerHour(s.massFlow, FlowUnit::KilogramsPerHour, outcome.molecularMass));
    solved.x = csvNumber(s.x);
    solved.fGamma = csvNumber(s.fGamma);
    solved.y = csvNumber(s.y);
    solved.choked = s.choked;
    if (q.flow) solved.cvNeeded = s.cv;
    solved.sizing = s;
    return solved;
}

}  // namespace

std::string flowCsvHeader() {
    return "method,gas,sg,k,temperature_f,inlet_psig,outlet_psig,xt,cv,flow_slm,flow_kg_h,x,fgamma,y,"
           "choked\r\n";
}

FlowSolution solveFlow(const FlowQuestion& q) {
    if (!q.cv == !q.flow) return noResult("give either a Cv or a flow");
    return q.method == CalculationMethod::Iec ? standardSolution(q) : catalogueSolution(q);
}

FlowAnswer answerFlow(const FlowQuestion& q) {
    const FlowSolution s = solveFlow(q);
    if (!s.ok()) return {{}, s.noResult};
    return {row({q.method == CalculationMethod::Iec ? "iec" : "catalogue", q.gas, s.specificGravity,
                 s.specificHeat, q.temperature, q.inletPressure, q.outletPressure, s.xt, s.cv, s.flow,
                 s.flowKilogramsPerHour, s.x, s.fGamma, s.y, s.choked ? "yes" : "no"}),
            {}};
}

}  // namespace tarvek
