// Configurations a quote is checked with, as the steps a user takes: the typical valve with
// every option, a regulator, a fitting, a non-standard valve, a heading of the model list.
#pragma once

#include <string_view>
#include <vector>

namespace tarvek::testing {

struct UserStep {
    const char* control;  // a list, or a button when `entry` is empty
    const char* entry = "";
};

inline const std::vector<UserStep> kTypicalValveSteps = {
    {"lstProductType", "Diaphragm Valves"},
    {"lstBody", "MX2 - Standard Series"},
    {"lstModel", "J310 --- Manual, Tee Knob, LOTO"},
    {"lstPorting", "2A"},
    {"lstConn1", "M - Male Face Seal, 1/4 inch"},
    {"lstConn3", "F - Female Face Seal, 1/4 inch"},
    {"optVSKZ"},
    {"optBK"},
    {"chkLS"},
};

inline const std::vector<UserStep> kPortingDrawingSteps = {
    {"lstProductType", "Diaphragm Valves"},
    {"lstBody", "MX2 - Standard Series"},
    {"lstModel", "A310 --- Air-Op N.C., Low Pressure"},
    {"lstPorting", "2A"},
    {"lstConn1", "M - Male Face Seal, 1/4 inch"},
    {"lstConn3", "F - Female Face Seal, 1/4 inch"},
    {"optVSKZ"},
};

inline const std::vector<UserStep> kRegulatorSteps = {
    {"lstProductType", "Pressure Regulators"},
    {"lstBody", "GN2 - Standard Series"},
    {"lstModel", "T410 - 20 to 100 Psig Outlet"},
    {"lstPorting", "2A"},
    {"lstConn1", "M - Male Face Seal, 1/4 inch"},
    {"lstConn3", "F - Female Face Seal, 1/4 inch"},
    {"optVSKZ"},
};

inline const std::vector<UserStep> kFittingSteps = {
    {"lstProductType", "Fittings"},
    {"lstBody", "Compart Nuts"},
    {"lstModel", "1/4 inch Female"},
};

inline const std::vector<UserStep> kNonStandardSteps = {
    {"lstProductType", "Diaphragm Valves"},
    {"lstBody", "MX2 - Standard Series"},
    {"lstModel", "A310 --- Air-Op N.C., Low Pressure"},
    {"lstPorting", "2A"},
    {"lstConn1", "V - Fixed Male Face Seal, 1/4 inch"},
    {"lstConn3", "T - Tube Stub, 1/4 inch"},
};

inline const std::vector<UserStep> kModelHeadingSteps = {
    {"lstProductType", "Diaphragm Valves"},
    {"lstBody", "MX2 - Standard Series"},
    {"lstModel", "-----  Other Available Models  -----"},
};

// Takes the steps on a driver with choose(list, entry) and click(button).
template <typename Driver>
void takeSteps(Driver& driver, const std::vector<UserStep>& steps) {
    for (const UserStep& step : steps) {
        if (*step.entry)
            driver.choose(step.control, step.entry);
        else
            driver.click(step.control);
    }
}

}  // namespace tarvek::testing
