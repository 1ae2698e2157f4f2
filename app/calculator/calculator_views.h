// What the calculator page shows beside the calculator's own controls, brought up to
// date after each of its calculations and each change of its boxes: the flow curve and
// the result in other units.
#pragma once

#include <QObject>
#include <optional>

#include "app/calculator/calculator_fields.h"

namespace Ui {
class frmTarvekProducts;
}

namespace tarvek {

class Calculator;

class CalculatorViews : public QObject {
    Q_OBJECT
  public:
    CalculatorViews(Ui::frmTarvekProducts& ui, Calculator& calculator);

    // Reads the calculator's fields and result and redraws what changed.
    void refresh();

  private:
    Ui::frmTarvekProducts& ui;
    std::optional<CalculatorTexts> drawn_;  // the fields the curve shows
};

}  // namespace tarvek
