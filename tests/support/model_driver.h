// The configurator driven by entry texts, as a user reads them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/configurator/pricing.h"

namespace tarvek::testing {

struct ModelDriver {
    Configurator model;

    const ConfiguratorState& state() const { return model.state(); }

    // Chooses an entry by its exact text; a list without it is a failure of the test.
    void choose(List list, std::string_view entry) {
        const Entries entries = state().list(list).entries;
        const auto found = std::find(entries.begin(), entries.end(), entry);
        if (found == entries.end()) {
            ADD_FAILURE() << "list " << int(list) << " has no entry \"" << entry << '"';
            return;
        }
        model.choose(list, int(found - entries.begin()));
    }
    void click(Option option) { model.click(option); }

    // A list's entry, or an option's click (no entry).
    using Control = std::variant<List, Option>;
    void use(Control control, std::string_view entry = {}) {
        if (const List* list = std::get_if<List>(&control))
            choose(*list, entry);
        else
            click(std::get<Option>(control));
    }

    std::string listPrice() const { return listPriceText(state().listPrice); }
    std::string netPrice() const { return netPriceText(state().netPrice); }

    std::vector<std::string> entries(List list) const {
        const Entries e = state().list(list).entries;
        return {e.begin(), e.end()};
    }
    const OptionState& option(Option option) const { return state().option(option); }
};

}  // namespace tarvek::testing
