// The calculator's fields as the window holds them at this moment: the mode and the
// seven texts its flow equation reads.
#pragma once

#include <string>

#include "rules/calculator/flow_calculation.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarvek {

struct CalculatorTexts {
    FlowMode mode = FlowMode::None;
    std::string temperature, inletPressure, outletPressure, specificGravity, xtFactor, cv, massFlow;

    // Views into these texts: valid while this object lives unchanged.
    FlowFields fields() const {
        return {mode, temperature, inletPressure, outletPressure, specificGravity, xtFactor, cv, massFlow};
    }
    friend bool operator==(const CalculatorTexts&, const CalculatorTexts&) = default;
};

// The calculator's controls that hold those fields.
struct CalculatorFieldControls {
    const QRadioButton *optMassFlow, *optCv;
    const QLineEdit *txtTemperature, *txtInletPressure, *txtOutletPressure;
    const QLabel* lblSpecificGravity;
    const QLineEdit *txtXtFactor, *txtCv, *txtMassFlow;
};

CalculatorTexts readCalculatorTexts(const CalculatorFieldControls& controls);

}  // namespace tarvek
