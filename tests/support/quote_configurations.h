// Configurations a quote is checked with, as the steps a user takes: the typical valve with
// every option, a regulator, a fitting, a non-standard valve, a heading of the model list.
#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "rules/configurator/configurator_state.h"

namespace tarvek::testing {

struct UserStep {
    std::variant<List, Option> control;  // a list, or an option when `entry` is empty
    const char* entry = "";
};

inline const std::vector<UserStep> kTypicalValveSteps = {
    {List::ProductType, "Diaphragm Valves"},
    {List::Body, "MX2 - Standard Series"},
    {List::Model, "J310 --- Manual, Tee Knob, LOTO"},
    {List::Porting, "2A"},
    {List::Connection1, "M - Male Face Seal, 1/4 inch"},
    {List::Connection3, "F - Female Face Seal, 1/4 inch"},
    {Option::VespelSeat},
    {Option::Black},
    {Option::LeverHandle},
};

inline const std::vector<UserStep> kPortingDrawingSteps = {
    {List::ProductType, "Diaphragm Valves"},
    {List::Body, "MX2 - Standard Series"},
    {List::Model, "A310 --- Air-Op N.C., Low Pressure"},
    {List::Porting, "2A"},
    {List::Connection1, "M - Male Face Seal, 1/4 inch"},
    {List::Connection3, "F - Female Face Seal, 1/4 inch"},
    {Option::VespelSeat},
};

inline const std::vector<UserStep> kRegulatorSteps = {
    {List::ProductType, "Pressure Regulators"},
    {List::Body, "GN2 - Standard Series"},
    {List::Model, "T410 - 20 to 100 Psig Outlet"},
    {List::Porting, "2A"},
    {List::Connection1, "M - Male Face Seal, 1/4 inch"},
    {List::Connection3, "F - Female Face Seal, 1/4 inch"},
    {Option::VespelSeat},
};

inline const std::vector<UserStep> kFittingSteps = {
    {List::ProductType, "Fittings"},
    {List::Body, "Compart Nuts"},
    {List::Model, "1/4 inch Female"},
};

inline const std::vector<UserStep> kNonStandardSteps = {
    {List::ProductType, "Diaphragm Valves"},
    {List::Body, "MX2 - Standard Series"},
    {List::Model, "A310 --- Air-Op N.C., Low Pressure"},
    {List::Porting, "2A"},
    {List::Connection1, "V - Fixed Male Face Seal, 1/4 inch"},
    {List::Connection3, "T - Tube Stub, 1/4 inch"},
};

inline const std::vector<UserStep> kModelHeadingSteps = {
    {List::ProductType, "Diaphragm Valves"},
    {List::Body, "MX2 - Standard Series"},
    {List::Model, "-----  Other Available Models  -----"},
};

// Takes the steps on a driver with use(control, entry).
template <typename Driver>
void takeSteps(Driver& driver, const std::vector<UserStep>& steps) {
    for (const UserStep& step : steps) driver.use(step.control, step.entry);
}

}  // namespace tarvek::testing
