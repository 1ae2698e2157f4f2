#include "app/calculator/calculator_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tarvek {
namespace {

// A name missing from the form is a mistake in this table or the form: stop at once, by name.
template <typename T>
T* find(const QWidget& page, const char* name) {
    T* control = page.findChild<T*>(QLatin1String(name));
    if (!control) qFatal("The calculator has no control %s", name);
    return control;
}

}  // namespace

CalculatorControls findCalculatorControls(const QWidget& page) {
    CalculatorControls c{};
    c.gasList = find<QComboBox>(page, kGasListName);
    c.specificGravity = find<QLabel>(page, kSpecificGravityName);
    c.specificHeat = find<QLabel>(page, kSpecificHeatName);
    for (const BoxControlName& box : kBoxControlNames)
        c.boxes[std::size_t(box.box)] = find<QLineEdit>(page, box.name);
    c.massFlowOption = find<QRadioButton>(page, kMassFlowOptionName);
    c.massFlowResult = find<QLabel>(page, kMassFlowResultName);
    c.cvOption = find<QRadioButton>(page, kCvOptionName);
    c.cvResult = find<QLabel>(page, kCvResultName);
    c.chokedFlow = find<QLabel>(page, kChokedFlowName);
    return c;
}

}  // namespace tarvek
