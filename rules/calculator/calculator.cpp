#include "rules/calculator/calculator.h"

#include <algorithm>

#include "rules/calculator/choked_flow_ratio.h"
#include "rules/numbers/number_text.h"

namespace tarvek {

const CalculatorState& Calculator::setGases(std::vector<GasRecord> gases) {
    startEvent();
    s_.gases = std::move(gases);
    s_.chosenGas = -1;
    s_.specificGravity.clear();
    return s_;
}

// The list's entry is looked up by its name, so of two gases with one name the first
// always gives the values, whichever of them was chosen.
const CalculatorState& Calculator::chooseGas(int index) {
    startEvent();
    const bool listed = index >= 0 && std::size_t(index) < s_.gases.size();
    s_.chosenGas = listed ? index : -1;
    const std::string name = listed ? s_.gases[std::size_t(index)].name : std::string();
    if (!name.empty()) {
        const auto gas = std::find_if(s_.gases.begin(), s_.gases.end(),
                                      [&](const GasRecord& g) { return g.name == name; });
        s_.specificGravity = gas->specificGravity;
        s_.specificHeat = gas->specificHeat;
        writeXtFactor();
    }
    calculate();
    calculateSizing();
    return s_;
}

// Xt follows k; a missing k, or one that gives no ratio, leaves the Xt there is.
void Calculator::writeXtFactor() {
    if (s_.specificHeat.empty()) return;
    if (const auto xt = chokedFlowRatio(float(leadingNumber(s_.specificHeat))))
        write(CalculatorBox::XtFactor, numberText(*xt));
}

const CalculatorState& Calculator::type(CalculatorBox box, std::string_view text) {
    startEvent();
    write(box, std::string(text));
    return s_;
}

const CalculatorState& Calculator::chooseMode(FlowMode mode) {
    startEvent();
    if (mode == FlowMode::None || mode == s_.mode) return s_;
    s_.mode = mode;
    calculate();
    return s_;
}

void Calculator::startEvent() {
    s_.warning.reset();
    s_.focus.reset();
    s_.sizingFocus.reset();
}

void Calculator::write(CalculatorBox box, std::string text) {
    if (s_.box(box) == text) return;
    s_.box(box) = std::move(text);
    check(box);
}

// A refusal happens at most once an event: the reset texts pass their own box's check, and
// what the calculation writes (a result, never below 0; an Xt, never above 1) passes too.
void Calculator::check(CalculatorBox box) {
    const BoxRule& rule = boxRule(box);
    switch (checkEntry(rule, s_.box(box))) {
        case EntryCheck::Partial:
            return;
        case EntryCheck::Accepted:
            calculate();
            return;
        case EntryCheck::Refused:
            s_.warning = CalculatorWarning{rule.prompt, rule.title};
            write(box, std::string(rule.resetText));
            if (s_.shown(box)) s_.focus = box;  // a hidden box cannot take the focus
            return;
    }
}

void Calculator::calculate() {
    const FlowOutcome outcome = calculateFlow(s_.fields());
    const CalculatorBox resultBox =
        s_.mode == FlowMode::MassFlow ? CalculatorBox::MassFlow : CalculatorBox::Cv;
    switch (outcome.action) {
        case FlowOutcome::Action::None:
            return;
        case FlowOutcome::Action::Clear:
            write(resultBox, std::string());
            s_.result(s_.mode) = {std::string(), s_.result(s_.mode).writes + 1};
            s_.choked = false;
            return;
        case FlowOutcome::Action::Write:
            s_.choked = outcome.choked;
            // Writing the result into its hidden box checks it and calculates once more; that
            // run writes the same text, which changes nothing and so ends there.
            write(resultBox, outcome.resultText);
            s_.result(s_.mode) = {numberText(leadingNumber(s_.box(resultBox))),
                                  s_.result(s_.mode).writes + 1};
            return;
    }
}

}  // namespace tarvek
