#include "app/calculator/calculator_views.h"

#include <QLabel>
#include <QLineEdit>

#include "app/calculator/flow_curve_view.h"
#include "app/controls.h"
#include "rules/calculator/flow_units.h"

namespace tarvek {

CalculatorViews::CalculatorViews(const CalculatorViewControls& controls) : ui(controls) {
    // A partial entry ("", "-", ".") starts no calculation, yet the curve follows it too:
    // an emptied box is a missing input. Connected after the calculator's own handlers,
    // so these run last and see what those handlers left.
    for (const QLineEdit* box :
         {ui.fields.txtTemperature, ui.fields.txtInletPressure, ui.fields.txtOutletPressure, ui.fields.txtCv,
          ui.fields.txtMassFlow, ui.fields.txtXtFactor})
        connect(box, &QLineEdit::textChanged, this, &CalculatorViews::refresh);
    refresh();
}

void CalculatorViews::refresh() {
    CalculatorTexts texts = readCalculatorTexts(ui.fields);

    // The line under the result converts what the result shows, which a calculation with
    // a missing input leaves as it was.
    const QLabel* result = texts.mode == FlowMode::Cv ? ui.lblCv : ui.lblMassFlow;
    const QString units = qstr(otherUnitsText(texts.mode, stdstr(result->text()), texts.specificGravity));
    if (units != ui.lblOtherUnits->text()) {
        ui.lblOtherUnits->setText(units);
        ui.lblOtherUnits->setToolTip(units.isEmpty() ? QString() : qstr(otherUnitsExplanation(texts.mode)));
    }

    // Each keystroke brings several refreshes (the calculation runs again when it writes
    // its result into the other mode's box, which the curve does not read): draw once.
    if (texts.mode == FlowMode::MassFlow) texts.massFlow.clear();
    if (texts.mode == FlowMode::Cv) texts.cv.clear();
    if (drawn_ == texts) return;
    drawn_ = texts;
    ui.flowCurve->setFields(std::move(texts));
}

}  // namespace tarvek
