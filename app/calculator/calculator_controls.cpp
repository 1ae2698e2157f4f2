#include "app/calculator/calculator_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/controls.h"

namespace tarvek {

CalculatorControls findCalculatorControls(const QWidget& page) {
    CalculatorControls c{};
    c.gasList = formControl<QComboBox>(page, kGasListName);
    c.specificGravity = formControl<QLabel>(page, kSpecificGravityName);
    c.specificHeat = formControl<QLabel>(page, kSpecificHeatName);
    for (const BoxControlName& box : kBoxControlNames)
        c.boxes[std::size_t(box.box)] = formControl<QLineEdit>(page, box.name);
    c.massFlowOption = formControl<QRadioButton>(page, kMassFlowOptionName);
    c.massFlowResult = formControl<QLabel>(page, kMassFlowResultName);
    c.cvOption = formControl<QRadioButton>(page, kCvOptionName);
    c.cvResult = formControl<QLabel>(page, kCvResultName);
    c.chokedFlow = formControl<QLabel>(page, kChokedFlowName);
    return c;
}

}  // namespace tarvek
