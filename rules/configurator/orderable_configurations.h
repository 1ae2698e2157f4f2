// Every configuration of the catalogue, reached as a user reaches it: one enumeration for
// the part-number decoder, the search and the tests.
//
// A product stem is the state after choosing a product type, a body and a model (or a body
// alone where the body is a part number of its own). Below a stem with a porting list, each
// porting opens a group; a stem without one is a group of its own. A group's orderable
// configurations are every choice at each connection position the porting uses, times every
// seat, handle colour and lever handle the product offers, left at their defaults included.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "rules/configurator/configurator.h"
#include "rules/configurator/steps.h"

namespace tarvek {

struct ProductStem {
    std::vector<ConfiguratorEvent> events;  // from the opened page
    Configurator configurator;              // where they lead
};

// Every stem, in catalogue order: product types, then bodies, then models. Headings, notes
// and blank lines of the lists, which write no part number, are left out.
std::vector<ProductStem> productStems();

// What a user can choose at a step in a state: every entry of an open list, or every option
// of the step's group that answers (the one already selected included).
std::vector<ConfiguratorEvent> choicesAt(const Configurator& configurator, Step step);

// The choices below a stem (and its porting) that make an orderable configuration.
struct OrderableGroup {
    std::vector<ConfiguratorEvent> events;  // the stem's events, and the porting's
    Configurator configurator;              // where they lead: connections not chosen yet
    // Per connection position the porting uses: one of these must be chosen.
    std::array<std::vector<ConfiguratorEvent>, kConnectionPositions> connections;
    // Per option step (seat, handle colour, lever handle): the clicks that change its default;
    // leaving the default is a choice too.
    std::array<std::vector<ConfiguratorEvent>, 3> options;

    std::uint64_t size() const;  // how many orderable configurations the group holds
};

// Every group, in catalogue order.
std::vector<OrderableGroup> orderableGroups();

// Calls `visit` with the events of each orderable configuration of a group (in the order a
// user makes them) and the state they lead to, in catalogue order. Returning false stops.
using ConfigurationVisitor =
    std::function<bool(std::span<const ConfiguratorEvent>, const ConfiguratorState&)>;
bool forEachConfiguration(const OrderableGroup& group, const ConfigurationVisitor& visit);

}  // namespace tarvek
