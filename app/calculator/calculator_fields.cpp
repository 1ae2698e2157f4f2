#include "app/calculator/calculator_fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/controls.h"

namespace tarvek {

CalculatorTexts readCalculatorTexts(const CalculatorFieldControls& c) {
    const FlowMode mode = c.optMassFlow->isChecked() ? FlowMode::MassFlow
                          : c.optCv->isChecked()     ? FlowMode::Cv
                                                     : FlowMode::None;
    return {mode,
            stdstr(c.txtTemperature->text()),
            stdstr(c.txtInletPressure->text()),
            stdstr(c.txtOutletPressure->text()),
            stdstr(c.lblSpecificGravity->text()),
            stdstr(c.txtXtFactor->text()),
            stdstr(c.txtCv->text()),
            stdstr(c.txtMassFlow->text())};
}

}  // namespace tarvek
