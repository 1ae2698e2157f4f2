// The calculator's controls on the form: the one table from the calculator's words (inlet
// pressure, mass flow, Xt) to the form's object names, and the controls found by them.
#pragma once

#include <array>

#include "rules/calculator/input_validation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tarvek {

struct BoxControlName {
    CalculatorBox box;
    const char* name;
};

// In the order of CalculatorBox.
inline constexpr std::array<BoxControlName, kBoxRules.size()> kBoxControlNames = {{
    {CalculatorBox::Temperature, "txtTemperature"},
    {CalculatorBox::InletPressure, "txtInletPressure"},
    {CalculatorBox::OutletPressure, "txtOutletPressure"},
    {CalculatorBox::Cv, "txtCv"},
    {CalculatorBox::MassFlow, "txtMassFlow"},
    {CalculatorBox::XtFactor, "txtXtFactor"},
}};

static_assert([] {
    for (std::size_t i = 0; i < kBoxControlNames.size(); ++i)
        if (kBoxControlNames[i].box != static_cast<CalculatorBox>(i)) return false;
    return true;
}());

inline constexpr const char* kGasListName = "lstGasName";
inline constexpr const char* kSpecificGravityName = "lblSpecificGravity";
inline constexpr const char* kSpecificHeatName = "lblSpecificHeat";
// Each mode's option button, and the label its result is shown in.
inline constexpr const char* kMassFlowOptionName = "optMassFlow";
inline constexpr const char* kMassFlowResultName = "lblMassFlow";
inline constexpr const char* kCvOptionName = "optCv";
inline constexpr const char* kCvResultName = "lblCv";
inline constexpr const char* kChokedFlowName = "lblChokedFlow";

struct CalculatorControls {
    QComboBox* gasList;
    QLabel *specificGravity, *specificHeat;
    std::array<QLineEdit*, kBoxControlNames.size()> boxes;
    QRadioButton *massFlowOption, *cvOption;
    QLabel *massFlowResult, *cvResult;
    QLabel* chokedFlow;

    QLineEdit* box(CalculatorBox b) const { return boxes[std::size_t(b)]; }
};

// The controls by their names among the children of `page`; none may be missing.
CalculatorControls findCalculatorControls(const QWidget& page);

}  // namespace tarvek
