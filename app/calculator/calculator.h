// The Cv / flow calculator of the technical page: the gas list and its data source, the
// six input boxes with their checks, the two modes and the flow calculation.
#pragma once

#include <QObject>
#include <QString>

#include "platform/gas_data_source.h"
#include "rules/calculator/input_validation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tarvek {

// The calculator's own controls on the technical page, and the window its warnings belong to.
struct CalculatorControls {
    QWidget* window;
    QComboBox* lstGasName;
    QLabel *lblSpecificGravity, *lblSpecificHeat;
    QLineEdit *txtTemperature, *txtInletPressure, *txtOutletPressure, *txtXtFactor;
    QRadioButton *optMassFlow, *optCv;
    QLineEdit *txtCv, *txtMassFlow;  // the input of one mode, the hidden result of the other
    QLabel *lblCv, *lblMassFlow;     // the result shown in place of the hidden box
    QLabel* lblChokedFlow;
};

class Calculator : public QObject {
    Q_OBJECT
  public:
    explicit Calculator(const CalculatorControls& controls);

    // Where the gas database is read from; set once at start-up.
    void setDatabasePath(const QString& path) { gasData_.setDatabasePath(path); }
    const QString& databasePath() const { return gasData_.databasePath(); }
    const GasDataSource& gasData() const { return gasData_; }

    // Fills the gas list from the database.
    void Populate_ListBox();
    // Reads the inputs and writes the result of the chosen mode.
    void Calculate();

    void lstGasName_Click();
    void txtTemperature_Change();
    void txtInletPressure_Change();
    void txtOutletPressure_Change();
    void txtCv_Change();
    void txtMassFlow_Change();
    void txtXtFactor_Change();
    void optMassFlow_Click();
    void optCv_Click();

  signals:
    // After every run of Calculate, whatever it wrote or left alone.
    void calculated();

  private:
    void checkBox(CalculatorBox box, QLineEdit* edit);
    void writeXtFactor();

    CalculatorControls ui;
    GasDataSource gasData_;
};

}  // namespace tarvek
