// Everything the calculator holds and shows: the gas list and the chosen gas's values, the
// six input boxes, the mode, the results and the choked indicator, and what the last event
// asks of the window besides (a warning to show, a box to give the keyboard focus).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/calculator/flow_calculation.h"
#include "rules/calculator/gas_record.h"
#include "rules/calculator/input_validation.h"
#include "rules/calculator/sizing_state.h"

namespace tarvek {

// A result as shown in place of its box, and how often the calculation has written it. A
// write of the same text counts too: it tells a calculation that ran from one that did not.
struct ShownResult {
    std::string text;
    unsigned writes = 0;

    friend bool operator==(const ShownResult&, const ShownResult&) = default;
};

struct CalculatorWarning {
    std::string_view prompt;
    std::string_view title;

    friend bool operator==(const CalculatorWarning&, const CalculatorWarning&) = default;
};

struct CalculatorState {
    FlowMode mode = FlowMode::MassFlow;
    std::vector<GasRecord> gases;  // the gas list's entries, in table order
    int chosenGas = -1;            // -1: none, as after filling the list
    std::string specificGravity;   // of the chosen gas, as its record gives it
    std::string specificHeat;      // k, likewise; never shown, it only sets Xt
    // In the order of CalculatorBox. Xt starts at the value a refusal returns it to.
    std::array<std::string, kBoxRules.size()> boxes = {
        "70", "", "", "1.0", "", std::string(boxRule(CalculatorBox::XtFactor).resetText)};
    ShownResult massFlowResult, cvResult;
    bool choked = false;  // "Choked Flow!" shown

    // The method beside the catalogue's own formula, and its own boxes; the catalogue's
    // fields above are the same whichever method is chosen.
    CalculationMethod method = CalculationMethod::Catalogue;
    SizingState sizing;

    // Set by the event that refused an entry, cleared by the next event. The warning comes
    // first, while the box still holds the refused text; then the rest of the state.
    std::optional<CalculatorWarning> warning;
    std::optional<CalculatorBox> focus;    // the refused box, when it is shown
    std::optional<SizingBox> sizingFocus;  // likewise, of the sizing's boxes

    const std::string& box(CalculatorBox b) const { return boxes[std::size_t(b)]; }
    std::string& box(CalculatorBox b) { return boxes[std::size_t(b)]; }
    const ShownResult& result(FlowMode m) const { return m == FlowMode::Cv ? cvResult : massFlowResult; }
    ShownResult& result(FlowMode m) { return m == FlowMode::Cv ? cvResult : massFlowResult; }

    // A mode's result takes the place of the box it is written into: in mass-flow mode the
    // flow is shown and Cv typed, in Cv mode the other way round. Xt is never shown.
    bool resultShown(FlowMode quantity) const { return mode == quantity; }
    bool shown(CalculatorBox b) const {
        if (b == CalculatorBox::XtFactor) return false;
        if (b == CalculatorBox::MassFlow) return !resultShown(FlowMode::MassFlow);
        if (b == CalculatorBox::Cv) return !resultShown(FlowMode::Cv);
        return true;
    }

    // What the flow equation reads; views into this state's texts.
    FlowFields fields() const {
        return {mode,
                box(CalculatorBox::Temperature),
                box(CalculatorBox::InletPressure),
                box(CalculatorBox::OutletPressure),
                specificGravity,
                box(CalculatorBox::XtFactor),
                box(CalculatorBox::Cv),
                box(CalculatorBox::MassFlow)};
    }

    // What the sizing reads; views into this state's texts.
    SizingTexts sizingTexts() const {
        SizingTexts texts{{}, specificGravity, specificHeat, sizing.unknown, sizing.units};
        for (std::size_t i = 0; i < kSizingBoxCount; ++i) texts.boxes[i] = sizing.boxes[i];
        return texts;
    }

    friend bool operator==(const CalculatorState&, const CalculatorState&) = default;
};

}  // namespace tarvek
