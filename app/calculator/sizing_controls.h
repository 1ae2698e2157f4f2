// The controls of the sizing by the standard on the technical page: the one table from the
// sizing's words (its boxes, the method, the unknown, the units) to the form's object names,
// and the controls found by them.
#pragma once

#include <array>

#include "rules/calculator/sizing_boxes.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tarvek {

struct SizingBoxControlName {
    SizingBox box;
    const char* name;
};

// In the order of SizingBox.
inline constexpr std::array<SizingBoxControlName, kSizingBoxCount> kSizingBoxControlNames = {{
    {SizingBox::Temperature, "txtIecTemperature"},
    {SizingBox::InletPressure, "txtIecInletPressure"},
    {SizingBox::OutletPressure, "txtIecOutletPressure"},
    {SizingBox::Cv, "txtIecCv"},
    {SizingBox::Flow, "txtIecFlow"},
    {SizingBox::Xt, "txtIecXt"},
    {SizingBox::Compressibility, "txtIecZ"},
    {SizingBox::Viscosity, "txtIecViscosity"},
    {SizingBox::InletDiameter, "txtIecDiameter"},
    {SizingBox::Fd, "txtIecFd"},
    {SizingBox::Fl, "txtIecFl"},
}};

static_assert([] {
    for (std::size_t i = 0; i < kSizingBoxControlNames.size(); ++i)
        if (kSizingBoxControlNames[i].box != static_cast<SizingBox>(i)) return false;
    return true;
}());

// The method's option buttons, in the order of CalculationMethod.
inline constexpr const char* kMethodOptionNames[] = {"optMethodCatalogue", "optMethodIec"};
inline constexpr const char* kSizingFrameName = "fraSizing";
// The choice lists, their entries in the order of SizingUnknown and of the units' enums.
inline constexpr const char* kUnknownListName = "lstSolveFor";
inline constexpr const char* kTemperatureUnitListName = "lstTemperatureUnit";
inline constexpr const char* kPressureUnitListName = "lstPressureUnit";
inline constexpr const char* kFlowUnitListName = "lstFlowUnit";
inline constexpr const char* kOutletUnitName = "lblIecOutletUnit";
inline constexpr const char* kSizingChokedName = "lblIecChokedFlow";
inline constexpr const char* kSizingDetailsName = "lblIecDetails";
inline constexpr const char* kSizingEquivalentsName = "lblIecEquivalents";

struct SizingControls {
    std::array<QRadioButton*, 2> methods;
    QGroupBox* frame;
    std::array<QLineEdit*, kSizingBoxCount> boxes;
    QComboBox *unknown, *temperatureUnit, *pressureUnit, *flowUnit;
    QLabel *outletUnit, *choked, *details, *equivalents;

    QLineEdit* box(SizingBox b) const { return boxes[std::size_t(b)]; }
};

// The controls by their names among the children of `page`; none may be missing.
SizingControls findSizingControls(const QWidget& page);

}  // namespace tarvek
