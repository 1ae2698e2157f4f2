// Every picture file name the catalogue's tables name, with where it was found, walked
// here on its own so that a table a generator forgets shows up as a missing file.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/options.h"
#include "rules/catalogue/other_models.h"
#include "rules/catalogue/portings.h"
#include "rules/catalogue/product_types.h"

namespace tarvek::testing {

inline std::map<std::string, std::string> namedPictures() {
    std::map<std::string, std::string> names;
    const auto add = [&](std::string_view name, std::string_view where) {
        if (!name.empty()) names.emplace(std::string(name), std::string(where));
    };
    add(kStartPicture, "start-up");
    for (const auto& row : kProductTypes) add(row.picture, row.entry);
    for (const auto& row : kBodies) add(row.picture, row.entry);
    for (const auto& row : kActuators) add(row.assemblyPicture, row.entry);
    for (const auto& row : kActuatorsOnSeries) add(row.picture, row.code);
    for (const auto& row : kRegulatorPictures) add(row.picture, row.series);
    for (const auto& row : kFlowComponents) add(row.picture, row.entry);
    for (const auto& row : kSpareParts) add(row.picture, row.entry);
    for (const auto& row : kFittings) add(row.picture, row.entry);
    for (const auto& row : kPortings) add(row.drawing, row.entry);
    for (const auto& row : kTeeKnobPictures) add(row.picture, "lever handle taken off");
    add(kLeverHandlePicture, "lever handle");
    return names;
}

}  // namespace tarvek::testing
