// The calculator's "Valves for this Flow" button: the search opened with the Cv the flow
// needs as the minimum Cv and the inlet pressure as the minimum rated pressure. It can be
// pressed once the calculator has a flow to pass.
#pragma once

#include <QObject>

class QLabel;
class QToolButton;
class QWidget;

namespace tarvek {

class CalculatorPage;
class SearchOpener;
struct CalculatorState;

class ValvesForFlow : public QObject {
    Q_OBJECT
  public:
    // The button goes into the calculator's "Calculate" frame, in the corner the choked-flow
    // notice leaves free above the two modes, in the notice's own height; Tab reaches it
    // after the calculator's last box.
    ValvesForFlow(QWidget* calculateFrame, QLabel* chokedFlow, QWidget* firstMode, QWidget* lastBox,
                  const CalculatorPage& calculator, SearchOpener& search);

  private:
    void enableFor(const CalculatorState& state);
    void open();

    const CalculatorPage& calculator_;
    SearchOpener& search_;
    QToolButton* button_;
};

}  // namespace tarvek
