// Every orderable configuration, counted group by group from the catalogue's own lists: the
// connections a series offers at the positions its porting uses, times the options of its model.
#include "rules/configurator/orderable_configurations.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace tarvek;

// The group a user reaches with these choices, found among all groups by its events' texts.
const OrderableGroup* groupOf(const std::vector<OrderableGroup>& groups,
                              const std::vector<std::string>& texts) {
    for (const OrderableGroup& g : groups) {
        if (g.events.size() != texts.size()) continue;
        Configurator c;
        bool same = true;
        for (std::size_t i = 0; i < texts.size() && same; ++i) {
            const ConfiguratorEvent& e = g.events[i];
            same = c.state().list(e.list).entries[std::size_t(e.index)] == texts[i];
            c.apply(e);
        }
        if (same) return &g;
    }
    return nullptr;
}

TEST(OrderableConfigurations, EachGroupHoldsTheProductOfItsChoices) {
    struct Case {
        std::vector<std::string> choices;
        std::uint64_t size;
        const char* why;
    };
    const Case cases[] = {
        {{"Diaphragm Valves", "MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure", "2A"},
         75,
         "4 connections and the fixed male face seal at ends 1 and 3, three seats"},
        {{"Diaphragm Valves", "MX2 - Standard Series", "J310 --- Manual, Tee Knob, LOTO", "4A"},
         9216,
         "4 connections at 4 ports, three seats, six colours, the lever handle or not"},
        {{"Diaphragm Valves", "HMX2 - Very High Pressure Series", "A375 --- Air-Op N.C., Very High Pressire.",
          "2B"},
         1,
         "one connection at 2 ports, the Vespel seat fitted"},
        {{"Diaphragm Valves", "MX4 - Bulk Flow Series", "N33 --- Manual, Round Knob, LOTO", "3A"},
         27 * 3 * 6,
         "3 connections at 3 ports, three seats, six colours, no lever handle"},
        {{"Pressure Regulators", "GN1 - Miniature Series", "T403 - Vac to 30 Psig Outlet", "2A"},
         18,
         "3 connections at 2 ports, the standard or the Vespel seat"},
        {{"Flow Components", "Check Valve", "KL-01 - 1/4 inch Face Seal Gland"}, 3, "three seals"},
        {{"Fittings", "Compart Nuts", "1/4 inch Female"}, 1, "a part of its own"},
        {{"Diaphragm Valves", "BMX2 - V-Block Series"}, 1, "a series with nothing below it"},
        {{"Actuator Assemblies", "E310 --- Hybrid, N.C., LOTO"}, 6, "six handle colours"},
    };
    const std::vector<OrderableGroup> groups = orderableGroups();
    for (const Case& c : cases) {
        const OrderableGroup* group = groupOf(groups, c.choices);
        ASSERT_NE(group, nullptr) << c.why;
        EXPECT_EQ(group->size(), c.size) << c.why;
        std::uint64_t visited = 0;
        std::set<std::string> partNumbers;
        forEachConfiguration(*group,
                             [&](std::span<const ConfiguratorEvent> events, const ConfiguratorState& s) {
                                 ++visited;
                                 partNumbers.insert(s.partNumber);
                                 Configurator replayed;  // the events lead to the state visited
                                 for (const ConfiguratorEvent& e : events) replayed.apply(e);
                                 EXPECT_EQ(replayed.state().record, s.record) << s.partNumber;
                                 return true;
                             });
        EXPECT_EQ(visited, c.size) << c.why;
        EXPECT_EQ(partNumbers.size(), c.size) << c.why;  // none of these groups has two alike
    }
}

TEST(OrderableConfigurations, SeriesWithModelsAreNoProductsOfTheirOwn) {
    for (const OrderableGroup& group : orderableGroups()) {
        const ConfiguratorState& s = group.configurator.state();
        EXPECT_FALSE(s.partNumber == "-MX2" || s.partNumber == "-GN1") << s.partNumber;
        for (std::size_t i = 0; i < kConnectionPositions; ++i)
            EXPECT_EQ(group.connections[i].empty(), !s.list(connectionList(i)).enabled) << s.partNumber;
    }
}

TEST(OrderableConfigurations, AVisitorCanStop) {
    const std::vector<OrderableGroup> groups = orderableGroups();
    int visits = 0;
    EXPECT_FALSE(
        forEachConfiguration(groups.front(), [&](auto, const ConfiguratorState&) { return ++visits < 2; }));
    EXPECT_EQ(visits, 2);
}

}  // namespace
