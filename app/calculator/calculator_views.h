// What the calculator page shows beside the calculator's own controls, brought up to
// date after each of its events: the flow curve, by the method chosen, and the result in
// other units.
#pragma once

#include <QObject>
#include <optional>

#include "app/calculator/calculator_fields.h"

class FlowCurveView;
class QLabel;

namespace tarvek {

struct CalculatorViewControls {
    QLabel* lblOtherUnits;
    FlowCurveView* flowCurve;
};

class CalculatorViews : public QObject {
    Q_OBJECT
  public:
    // Shows nothing until the calculator's first event (at start-up, filling the gas list).
    explicit CalculatorViews(const CalculatorViewControls& controls) : ui(controls) {}

    // Redraws what the calculator's new state changes.
    void refresh(const CalculatorState& state);

  private:
    CalculatorViewControls ui;
    std::optional<CalculatorTexts> drawn_;   // the fields the curve shows, by the catalogue's formula
    std::optional<SizingCopy> drawnSizing_;  // or by the standard
};

}  // namespace tarvek
