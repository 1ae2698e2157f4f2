#include "rules/configurator/orderable_configurations.h"

namespace tarvek {
namespace {

constexpr std::array<Step, 3> kOptionSteps = {Step::Seat, Step::HandleColour, Step::LeverHandle};

// The models of an open model list that name something: headings, notes and blank lines
// only reset, and leave the record as it was.
void addModels(std::vector<ProductStem>& stems, const ProductStem& above) {
    for (const ConfiguratorEvent& event : choicesAt(above.configurator, Step::Model)) {
        ProductStem stem = above;
        stem.configurator.apply(event);
        if (stem.configurator.state().record == above.configurator.state().record) continue;
        stem.events.push_back(event);
        stems.push_back(std::move(stem));
    }
}

struct Enumeration {
    const OrderableGroup& group;
    const ConfigurationVisitor& visit;
    std::vector<ConfiguratorEvent> events;

    bool connections(const Configurator& c, std::size_t position) {
        if (position == kConnectionPositions) return options(c, 0);
        const auto& choices = group.connections[position];
        if (choices.empty()) return connections(c, position + 1);
        for (const ConfiguratorEvent& event : choices)
            if (!next(c, event, [&](const Configurator& n) { return connections(n, position + 1); }))
                return false;
        return true;
    }

    bool options(const Configurator& c, std::size_t step) {
        if (step == kOptionSteps.size()) return visit(events, c.state());
        if (!options(c, step + 1)) return false;  // the default left as it is
        for (const ConfiguratorEvent& event : group.options[step])
            if (!next(c, event, [&](const Configurator& n) { return options(n, step + 1); })) return false;
        return true;
    }

    template <typename Then>
    bool next(const Configurator& c, const ConfiguratorEvent& event, Then then) {
        Configurator n = c;
        n.apply(event);
        events.push_back(event);
        const bool goOn = then(n);
        events.pop_back();
        return goOn;
    }
};

}  // namespace

std::vector<ConfiguratorEvent> choicesAt(const Configurator& c, Step step) {
    std::vector<ConfiguratorEvent> choices;
    if (isListStep(step)) {
        const ListState& list = c.state().list(listOf(step));
        if (list.enabled)
            for (std::size_t i = 0; i < list.entries.size(); ++i)
                choices.push_back(ConfiguratorEvent::choice(listOf(step), int(i)));
        return choices;
    }
    const OptionGroup group = optionGroupOf(step);
    for (std::size_t i = group.first; i < group.first + group.count; ++i)
        if (c.answers(Option(i))) choices.push_back(ConfiguratorEvent::click(Option(i)));
    return choices;
}

std::vector<ProductStem> productStems() {
    std::vector<ProductStem> stems;
    const ProductStem opened{{}, Configurator()};
    for (const ConfiguratorEvent& typeChoice : choicesAt(opened.configurator, Step::ProductType)) {
        ProductStem type = opened;
        type.configurator.apply(typeChoice);
        type.events.push_back(typeChoice);
        if (!type.configurator.state().list(List::Body).enabled) {
            addModels(stems, type);
            continue;
        }
        for (const ConfiguratorEvent& bodyChoice : choicesAt(type.configurator, Step::Body)) {
            ProductStem body = type;
            body.configurator.apply(bodyChoice);
            body.events.push_back(bodyChoice);
            if (!body.configurator.state().partNumber.empty())
                stems.push_back(body);  // a series has a number
            addModels(stems, body);
        }
    }
    return stems;
}

std::uint64_t OrderableGroup::size() const {
    std::uint64_t count = 1;
    for (const auto& choices : connections)
        if (!choices.empty()) count *= choices.size();
    for (const auto& clicks : options) count *= clicks.size() + 1;
    return count;
}

std::vector<OrderableGroup> orderableGroups() {
    std::vector<OrderableGroup> groups;
    const auto addGroup = [&](std::vector<ConfiguratorEvent> events, const Configurator& c) {
        OrderableGroup group{std::move(events), c, {}, {}};
        for (std::size_t position = 0; position < kConnectionPositions; ++position)
            group.connections[position] = choicesAt(c, connectionStep(position));
        for (std::size_t step = 0; step < kOptionSteps.size(); ++step)
            for (const ConfiguratorEvent& click : choicesAt(c, kOptionSteps[step]))
                if (!c.state().option(click.option).checked) group.options[step].push_back(click);
        groups.push_back(std::move(group));
    };
    for (const ProductStem& stem : productStems()) {
        const ConfiguratorState& s = stem.configurator.state();
        const bool series = stem.events.back().list == List::Body && s.list(List::Model).enabled;
        if (series) continue;  // its models are the products
        if (!s.list(List::Porting).enabled) {
            addGroup(stem.events, stem.configurator);
            continue;
        }
        for (const ConfiguratorEvent& porting : choicesAt(stem.configurator, Step::Porting)) {
            Configurator c = stem.configurator;
            c.apply(porting);
            auto events = stem.events;
            events.push_back(porting);
            addGroup(std::move(events), c);
        }
    }
    return groups;
}

bool forEachConfiguration(const OrderableGroup& group, const ConfigurationVisitor& visit) {
    Enumeration enumeration{group, visit, group.events};
    return enumeration.connections(group.configurator, 0);
}

}  // namespace tarvek
