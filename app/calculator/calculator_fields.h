// The calculator's fields as the window holds them at this moment: the mode and the
// seven texts its flow equation reads.
#pragma once

#include <string>

#include "flowcalc/flow_calculation.h"

namespace Ui {
class frmTarvekProducts;
}

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

CalculatorTexts readCalculatorTexts(const Ui::frmTarvekProducts& ui);

}  // namespace tarvek
