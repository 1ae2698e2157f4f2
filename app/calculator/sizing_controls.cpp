#include "app/calculator/sizing_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tarvek {
namespace {

// A name missing from the form is a mistake in this table or the form: stop at once, by name.
template <typename T>
T* find(const QWidget& page, const char* name) {
    T* control = page.findChild<T*>(QLatin1String(name));
    if (!control) qFatal("The sizing has no control %s", name);
    return control;
}

}  // namespace

SizingControls findSizingControls(const QWidget& page) {
    SizingControls c{};
    for (std::size_t i = 0; i < c.methods.size(); ++i)
        c.methods[i] = find<QRadioButton>(page, kMethodOptionNames[i]);
    c.frame = find<QGroupBox>(page, kSizingFrameName);
    for (const SizingBoxControlName& box : kSizingBoxControlNames)
        c.boxes[std::size_t(box.box)] = find<QLineEdit>(page, box.name);
    c.unknown = find<QComboBox>(page, kUnknownListName);
    c.temperatureUnit = find<QComboBox>(page, kTemperatureUnitListName);
    c.pressureUnit = find<QComboBox>(page, kPressureUnitListName);
    c.flowUnit = find<QComboBox>(page, kFlowUnitListName);
    c.outletUnit = find<QLabel>(page, kOutletUnitName);
    c.choked = find<QLabel>(page, kSizingChokedName);
    c.details = find<QLabel>(page, kSizingDetailsName);
    c.equivalents = find<QLabel>(page, kSizingEquivalentsName);
    return c;
}

}  // namespace tarvek
