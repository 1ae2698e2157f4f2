#include "rules/configurator/nonstandard_check.h"

#include <algorithm>

#include "rules/catalogue/bodies.h"

namespace tarvek {
namespace {

constexpr std::string_view kMarked = "NS";

bool isTubeStub(std::string_view code) { return code == "8" || code == "6" || code == "4"; }

bool applies(const StandardException& e, const ConfigurationRecord& r) {
    const bool series = std::find(e.series.begin(), e.series.end(), r.lblPNBody) != e.series.end();
    return series && r.lblPNPorting == e.porting && r.lblPNConn1 == e.conn1 &&
           (e.conn3.empty() || r.lblPNConn3 == e.conn3);
}

}  // namespace

bool nonStandardCheck(std::string_view productType, ConfigurationRecord& r) {
    if (productType == type::DiaphragmValves) {
        // Numbered tube stubs are non-standard, and so is a fixed male face seal without
        // its partner in the other of positions 1 and 3. Position 4 is never marked.
        const bool fixedMale1 = r.lblPNConn1 == "-V", fixedMale3 = r.lblPNConn3 == "V";
        const bool stub1 = r.lblPNConn1 == "-8" || r.lblPNConn1 == "-6" || r.lblPNConn1 == "-4";
        r.lblNSConn1 = (stub1 || (fixedMale1 && !fixedMale3)) ? kMarked : "";
        r.lblNSConn2 = isTubeStub(r.lblPNConn2) ? kMarked : "";
        r.lblNSConn3 = (isTubeStub(r.lblPNConn3) || (fixedMale3 && !fixedMale1)) ? kMarked : "";
        r.lblNSConn4 = "";

        for (const auto& exception : kStandardExceptions) {
            if (!applies(exception, r)) continue;
            r.lblNSConn1 = "";
            if (!exception.conn3.empty()) r.lblNSConn3 = "";
        }
    }
    r.lblNSOptions = "";
    return std::any_of(kMarkers.begin(), kMarkers.end(), [&](Segment m) { return r.*m == kMarked; });
}

}  // namespace tarvek
