// The configurator model driven by entry texts and control names, as a user reads them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/configurator/configurator_model.h"
#include "tests/support/cascade_walk.h"

namespace tarvek::testing {

inline List listNamed(std::string_view name) {
    return List(std::find(std::begin(kListNames), std::end(kListNames), name) - std::begin(kListNames));
}
inline Option optionNamed(std::string_view name) {
    return Option(std::find(std::begin(kOptionNames), std::end(kOptionNames), name) -
                  std::begin(kOptionNames));
}

struct ModelDriver {
    ConfiguratorModel model;

    const ConfiguratorState& state() const { return model.state(); }

    // Chooses an entry by its exact text; a list without it is a failure of the test.
    void choose(std::string_view list, std::string_view entry) {
        const Entries entries = state().list(listNamed(list)).entries;
        const auto found = std::find(entries.begin(), entries.end(), entry);
        if (found == entries.end()) {
            ADD_FAILURE() << list << " has no entry \"" << entry << '"';
            return;
        }
        model.choose(listNamed(list), int(found - entries.begin()));
    }
    void click(std::string_view option) { model.click(optionNamed(option)); }

    std::vector<std::string> entries(std::string_view list) const {
        const Entries e = state().list(listNamed(list)).entries;
        return {e.begin(), e.end()};
    }
    const OptionState& option(std::string_view name) const { return state().option(optionNamed(name)); }
};

}  // namespace tarvek::testing
