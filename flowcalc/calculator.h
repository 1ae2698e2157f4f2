// The Cv / flow calculator of the technical page: the gas list and its data source, the
// six input boxes with their checks, the two modes and the flow calculation.
#pragma once

#include <QObject>
#include <QString>

#include "flowcalc/gas_data_source.h"
#include "flowcalc/input_validation.h"

class QLineEdit;
class QWidget;
namespace Ui {
class frmTarvekProducts;
}

namespace tarvek {

class Calculator : public QObject {
    Q_OBJECT
  public:
    Calculator(Ui::frmTarvekProducts& ui, QWidget* window);

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

    Ui::frmTarvekProducts& ui;
    QWidget* window_;
    GasDataSource gasData_;
};

}  // namespace tarvek
