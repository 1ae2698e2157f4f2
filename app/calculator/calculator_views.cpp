#include "app/calculator/calculator_views.h"

#include <QLabel>

#include "app/calculator/flow_curve_view.h"
#include "app/controls.h"
#include "rules/calculator/flow_units.h"

namespace tarvek {

void CalculatorViews::refresh(const CalculatorState& state) {
    // The line under the result converts what the result shows, which a calculation with
    // a missing input leaves as it was.
    const QString units =
        qstr(otherUnitsText(state.mode, state.result(state.mode).text, state.specificGravity));
    if (units != ui.lblOtherUnits->text()) {
        ui.lblOtherUnits->setText(units);
        ui.lblOtherUnits->setToolTip(units.isEmpty() ? QString() : qstr(otherUnitsExplanation(state.mode)));
    }

    // The curve follows the boxes, partial entries too (an emptied box is a missing input),
    // but not the result written into the other mode's box (or the sizing's unknown's box),
    // which it does not read.
    if (state.method == CalculationMethod::Iec) {
        SizingCopy sizing = readSizingTexts(state);
        sizing.boxes[std::size_t(resultBox(sizing.unknown))].clear();
        drawn_.reset();
        if (drawnSizing_ == sizing) return;
        drawnSizing_ = sizing;
        ui.flowCurve->setSizingFields(std::move(sizing));
        return;
    }
    drawnSizing_.reset();
    CalculatorTexts texts = readCalculatorTexts(state);
    if (texts.mode == FlowMode::MassFlow) texts.massFlow.clear();
    if (texts.mode == FlowMode::Cv) texts.cv.clear();
    if (drawn_ == texts) return;
    drawn_ = texts;
    ui.flowCurve->setFields(std::move(texts));
}

}  // namespace tarvek
