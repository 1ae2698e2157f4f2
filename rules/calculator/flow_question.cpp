#include "rules/calculator/flow_question.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "rules/calculator/calculator.h"
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

FlowAnswer refused(std::string_view what, const CalculatorWarning& warning) {
    return {{}, std::string(what) + ": " + std::string(warning.prompt)};
}

// As a user fills in the window: the gas list holds the one gas, the mode is chosen, the
// boxes typed, the gas chosen (which sets Xt from k), and a valve's own Xt typed last.
FlowAnswer catalogueAnswer(const FlowQuestion& q) {
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
        return {{}, why.empty() ? "No result" : why};
    }
    const std::string& cv = s.box(CalculatorBox::Cv);
    const std::string& flow = s.box(CalculatorBox::MassFlow);
    const double inlet = leadingNumber(q.inletPressure) + kAtmosphere;
    const double x = std::clamp((inlet - (leadingNumber(q.outletPressure) + kAtmosphere)) / inlet, 0.0, 1.0);
    const double sg = leadingNumber(s.specificGravity);
    return {row({"catalogue", q.gas, s.specificGravity, s.specificHeat, q.temperature, q.inletPressure,
                 q.outletPressure, s.box(CalculatorBox::XtFactor), cv, flow,
                 sg > 0 ? unitValueText(kilogramsPerHourFromSlm(leadingNumber(flow), sg)) : std::string(),
                 csvNumber(x), "", "", s.choked ? "yes" : "no"}),
            {}};
}

// The sizing's boxes, checked as the window checks them, in the catalogue's units.
FlowAnswer standardAnswer(const FlowQuestion& q) {
    const SizingUnknown unknown = q.cv ? SizingUnknown::Flow : SizingUnknown::Cv;
    SizingTexts texts{{}, q.specificGravity, q.specificHeat, unknown, {}};
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
        const SizingBoxRule& rule = sizingBoxRule(box, PressureUnit::Psig, TemperatureUnit::Fahrenheit);
        if (checkSizingEntry(rule, *text) == EntryCheck::Refused)
            return refused(rule.title, CalculatorWarning{rule.prompt, rule.title});
        texts.boxes[std::size_t(box)] = *text;
    }
    const SizingOutcome outcome = calculateSizing(texts);
    if (!outcome.ok()) return {{}, sizingStatusText(outcome, texts.units)};
    const IecSizing& s = *outcome.sizing;
    const double slm = flowFromPoundsPerHour(s.massFlow, FlowUnit::Slm, outcome.molecularMass);
    const double kilograms =
        flowFromPoundsPerHour(s.massFlow, FlowUnit::KilogramsPerHour, outcome.molecularMass);
    return {row({"iec", q.gas, q.specificGravity, q.specificHeat, q.temperature, q.inletPressure,
                 q.outletPressure, xt, q.cv ? *q.cv : csvNumber(s.cv), q.flow ? *q.flow : csvNumber(slm),
                 csvNumber(kilograms), csvNumber(s.x), csvNumber(s.fGamma), csvNumber(s.y),
                 s.choked ? "yes" : "no"}),
            {}};
}

}  // namespace

std::string flowCsvHeader() {
    return "method,gas,sg,k,temperature_f,inlet_psig,outlet_psig,xt,cv,flow_slm,flow_kg_h,x,fgamma,y,"
           "choked\r\n";
}

FlowAnswer answerFlow(const FlowQuestion& q) {
    if (!q.cv == !q.flow) return {{}, "give either a Cv or a flow"};
    return q.method == CalculationMethod::Iec ? standardAnswer(q) : catalogueAnswer(q);
}

}  // namespace tarvek
