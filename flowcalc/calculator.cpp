#include "flowcalc/calculator.h"

#include "ui_main_window.h"

namespace tarvek {

Calculator::Calculator(Ui::frmTarvekProducts& form, QWidget* window) : ui(form), window_(window) {}

// The gas database reader comes with the calculator; until then the list stays empty.
void Calculator::Populate_ListBox() {
    ui.lstGasName->clear();
    ui.lblSpecificGravity->setText(QString());
}

}  // namespace tarvek
