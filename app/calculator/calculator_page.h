// The calculator on the technical page as the view of the calculator model: each user event
// on its controls goes to the model, and the controls then show the model's new state.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "app/calculator/calculator_controls.h"
#include "rules/calculator/calculator.h"

namespace tarvek {

class CalculatorPage : public QObject {
    Q_OBJECT
  public:
    // Finds its controls on `page`; its warnings belong to `window`.
    CalculatorPage(QWidget* window, const QWidget& page);

    // Where the gas database is read from; set once at start-up.
    void setDatabasePath(const QString& path) { databasePath_ = path; }
    const QString& databasePath() const { return databasePath_; }
    // Fills the gas list from the database.
    void fillGasList();

    const CalculatorState& state() const { return model_.state(); }

    // One event of the model from a control beside the calculator's own (the sizing by the
    // standard), shown as the calculator's own events are.
    template <typename Event>
    void apply(Event event) {
        show(event(model_));
    }

  signals:
    // After every event, once the controls show the state it led to.
    void stateShown(const tarvek::CalculatorState& state);

  private:
    void connectControls();
    void show(const CalculatorState& state);
    void showGases(const CalculatorState& state);
    void showBoxes(const CalculatorState& state);
    void showMode(const CalculatorState& state);
    void showResult(QLabel* label, const ShownResult& result, unsigned& shownWrites);

    QWidget* window_;
    CalculatorControls ui;
    Calculator model_;
    QString databasePath_;
    std::vector<std::string> shownGases_;  // the list is refilled only when its names change
    // A result label is written whenever the calculation wrote it, its text new or not.
    unsigned shownMassFlowWrites_ = 0, shownCvWrites_ = 0;
};

}  // namespace tarvek
