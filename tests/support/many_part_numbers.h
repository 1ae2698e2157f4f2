// Many different part numbers of the catalogue, taken from its enumeration a few per product
// group so that every kind of product is among them: a long quote as a buyer sends it.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "rules/configurator/orderable_configurations.h"

namespace tarvek::testing {

inline std::vector<std::string> manyPartNumbers(std::size_t count) {
    std::vector<std::string> numbers;
    std::set<std::string> seen;
    const std::vector<OrderableGroup> groups = orderableGroups();
    for (std::size_t round = 0; numbers.size() < count && round < 64; ++round)
        for (const OrderableGroup& group : groups) {
            std::size_t index = 0;
            forEachConfiguration(
                group, [&](std::span<const ConfiguratorEvent>, const ConfiguratorState& state) {
                    if (index++ < round) return true;
                    // A number is pasted without the blanks the catalogue puts at its end.
                    if (seen.insert(state.partNumber).second && state.partNumber.back() != ' ')
                        numbers.push_back(state.partNumber);
                    return false;
                });
            if (numbers.size() == count) break;
        }
    return numbers;
}

}  // namespace tarvek::testing
