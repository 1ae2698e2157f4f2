#include "app/calculator/calculator_fields.h"

#include "app/controls.h"
#include "ui_main_window.h"

namespace tarvek {

CalculatorTexts readCalculatorTexts(const Ui::frmTarvekProducts& ui) {
    const FlowMode mode = ui.optMassFlow->isChecked() ? FlowMode::MassFlow
                          : ui.optCv->isChecked()     ? FlowMode::Cv
                                                      : FlowMode::None;
    return {mode,
            stdstr(ui.txtTemperature->text()),
            stdstr(ui.txtInletPressure->text()),
            stdstr(ui.txtOutletPressure->text()),
            stdstr(ui.lblSpecificGravity->text()),
            stdstr(ui.txtXtFactor->text()),
            stdstr(ui.txtCv->text()),
            stdstr(ui.txtMassFlow->text())};
}

}  // namespace tarvek
