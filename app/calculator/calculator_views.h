// What the calculator page shows beside the calculator's own controls, brought up to
// date after each of its calculations and each change of its boxes: the flow curve and
// the result in other units.
#pragma once

#include <QObject>
#include <optional>

#include "app/calculator/calculator_fields.h"

class FlowCurveView;

namespace tarvek {

struct CalculatorViewControls {
    CalculatorFieldControls fields;
    const QLabel *lblMassFlow, *lblCv;  // the calculator's result in each mode
    QLabel* lblOtherUnits;
    FlowCurveView* flowCurve;
};

class CalculatorViews : public QObject {
    Q_OBJECT
  public:
    // Follows the calculator's boxes from here on; connect refresh to each calculation.
    explicit CalculatorViews(const CalculatorViewControls& controls);

    // Reads the calculator's fields and result and redraws what changed.
    void refresh();

  private:
    CalculatorViewControls ui;
    std::optional<CalculatorTexts> drawn_;  // the fields the curve shows
};

}  // namespace tarvek
