#include "rules/calculator/valve_requirement.h"

#include "rules/calculator/cv_needed.h"
#include "rules/calculator/sizing_units.h"
#include "rules/numbers/number_text.h"

namespace tarvek {

std::optional<ValveRequirement> valveRequirement(const CalculatorState& s) {
    const std::optional<double> cv = cvNeeded(s);
    if (!cv || !(*cv > 0)) return std::nullopt;
    if (s.method == CalculationMethod::Iec) {
        // The sizing's inlet in its own unit, read back as a gauge reading in psig.
        const PressureUnit unit = s.sizing.units.pressure;
        const double inlet = leadingNumber(s.sizing.box(SizingBox::InletPressure));
        return ValveRequirement{*cv, gaugeFromPsia(psiaFromGauge(inlet, unit), PressureUnit::Psig)};
    }
    return ValveRequirement{*cv, leadingNumber(s.box(CalculatorBox::InletPressure))};
}

}  // namespace tarvek
