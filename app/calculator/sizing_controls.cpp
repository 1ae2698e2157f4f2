#include "app/calculator/sizing_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/controls.h"

namespace tarvek {

SizingControls findSizingControls(const QWidget& page) {
    SizingControls c{};
    for (std::size_t i = 0; i < c.methods.size(); ++i)
        c.methods[i] = formControl<QRadioButton>(page, kMethodOptionNames[i]);
    c.frame = formControl<QGroupBox>(page, kSizingFrameName);
    for (const SizingBoxControlName& box : kSizingBoxControlNames)
        c.boxes[std::size_t(box.box)] = formControl<QLineEdit>(page, box.name);
    c.unknown = formControl<QComboBox>(page, kUnknownListName);
    c.temperatureUnit = formControl<QComboBox>(page, kTemperatureUnitListName);
    c.pressureUnit = formControl<QComboBox>(page, kPressureUnitListName);
    c.flowUnit = formControl<QComboBox>(page, kFlowUnitListName);
    c.outletUnit = formControl<QLabel>(page, kOutletUnitName);
    c.choked = formControl<QLabel>(page, kSizingChokedName);
    c.details = formControl<QLabel>(page, kSizingDetailsName);
    c.equivalents = formControl<QLabel>(page, kSizingEquivalentsName);
    return c;
}

}  // namespace tarvek
