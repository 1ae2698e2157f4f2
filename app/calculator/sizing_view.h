// The sizing by the standard on the calculator page: its controls' events go to the
// calculator model through the calculator page, and they show the sizing's part of each
// state the page shows.
#pragma once

#include <QObject>

#include "app/calculator/sizing_controls.h"
#include "rules/calculator/calculator_state.h"

namespace tarvek {

class CalculatorPage;

class SizingView : public QObject {
    Q_OBJECT
  public:
    // Finds its controls on `page`, fills its choice lists and follows `calculator`.
    SizingView(CalculatorPage& calculator, const QWidget& page);

  private:
    void connectControls();
    void show(const CalculatorState& state);
    void showBoxes(const SizingState& sizing);
    void showResult(const CalculatorState& state);

    CalculatorPage& calculator_;
    SizingControls ui;
};

}  // namespace tarvek
