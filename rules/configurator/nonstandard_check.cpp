#include "rules/configurator/nonstandard_check.h"

#include <algorithm>

#include "rules/catalogue/standard_exceptions.h"

namespace tarvek {
namespace {

bool applies(const StandardException& e, const ConfigurationRecord& r) {
    const bool series = std::find(e.series.begin(), e.series.end(), r.body.code) != e.series.end();
    return series && r.porting.code == e.porting && r.connectionKinds[0] == e.connection1 &&
           (e.connection3 == ConnectionKind::Unused || r.connectionKinds[2] == e.connection3);
}

}  // namespace

bool nonStandardCheck(ProductFamily family, ConfigurationRecord& r) {
    if (family == ProductFamily::DiaphragmValves) {
        // Numbered tube stubs are not standard, and neither is a fixed male face seal without
        // its partner at the other end (positions 1 and 3). Position 4 is never marked.
        const auto& kinds = r.connectionKinds;
        const bool fixedMale1 = kinds[0] == ConnectionKind::FixedMaleFaceSeal;
        const bool fixedMale3 = kinds[2] == ConnectionKind::FixedMaleFaceSeal;
        r.nonStandard[0] = isNumberedTubeStub(kinds[0]) || (fixedMale1 && !fixedMale3);
        r.nonStandard[1] = isNumberedTubeStub(kinds[1]);
        r.nonStandard[2] = isNumberedTubeStub(kinds[2]) || (fixedMale3 && !fixedMale1);
        r.nonStandard[3] = false;

        for (const auto& exception : kStandardExceptions) {
            if (!applies(exception, r)) continue;
            r.nonStandard[0] = false;
            if (exception.connection3 != ConnectionKind::Unused) r.nonStandard[2] = false;
        }
    }
    r.optionsNonStandard = false;
    return std::any_of(r.nonStandard.begin(), r.nonStandard.end(), [](bool marked) { return marked; }) ||
           r.optionsNonStandard;
}

}  // namespace tarvek
