// A configuration sent as a link opens as the same configuration: every part number the walk
// over the whole configurator reaches has a link, and every link tried opens to the
// configuration it was made from, the second of an ambiguous number included.
#include "rules/part_numbers/configuration_link.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "rules/configurator/configuration_description.h"
#include "rules/part_numbers/find_answer.h"
#include "tests/support/cascade_walk.h"

namespace tarvek {
namespace {

std::string described(const ConfiguratorState& s) {
    std::string text = s.partNumber;
    for (const DescriptionLine& line : describeConfiguration(s))
        text.append("|").append(std::to_string(int(line.step))).append(":").append(line.text);
    return text;
}

ConfiguratorState opened(std::string_view link) {
    Configurator c;
    for (const ConfiguratorEvent& event : openConfigurationLink(link).events) c.apply(event);
    return c.state();
}

TEST(ConfigurationLink, EveryWalkedConfigurationOpensFromItsLink) {
    Configurator model;
    tarvek::testing::CascadeWalk walk(tarvek::testing::ModelControls{&model});
    std::map<std::string, ConfiguratorState> configurations;  // by description
    std::set<std::string> partNumbers;
    walk.afterClick = [&](const tarvek::testing::Click&) {
        const ConfiguratorState& s = model.state();
        if (s.partNumber.empty()) return;
        partNumbers.insert(s.partNumber);
        configurations.emplace(described(s), s);
    };
    walk.run();

    std::set<std::string> linked;
    std::size_t tried = 0, ranked = 0, index = 0;
    for (const auto& [description, state] : configurations) {
        const bool ambiguous = partNumberDecoder().decode(state.partNumber).configurations.size() > 1;
        if (!ambiguous && index++ % 16 != 0) {  // all the ambiguous ones, a sample of the rest
            if (!configurationLink(state).empty()) linked.insert(state.partNumber);
            continue;
        }
        const std::string link = configurationLink(state);
        if (link.empty()) continue;
        linked.insert(state.partNumber);
        ++tried;
        ranked += link.find('~') != std::string::npos;
        ASSERT_EQ(described(opened(link)), description) << link;
    }
    EXPECT_EQ(linked, partNumbers);
    EXPECT_GT(tried, 1000u);
    EXPECT_GT(ranked, 0u);  // the configurations not set first from their number alone
}

TEST(ConfigurationLink, TheCataloguesAmbiguousExample) {
    // "-M8" "M" "8" is set from the number alone; "-M" "8" "M8" needs the link's rank.
    const PartNumberDecoding decoding = partNumberDecoder().decode("A310-MX3-4A-M8M8X");
    ASSERT_EQ(decoding.configurations.size(), 2u);
    EXPECT_EQ(configurationLink(decoding.configurations[0].state), "A310-MX3-4A-M8M8X");
    EXPECT_EQ(configurationLink(decoding.configurations[1].state), "A310-MX3-4A-M8M8X~2");
    EXPECT_EQ(described(opened("A310-MX3-4A-M8M8X~2")), described(decoding.configurations[1].state));
    EXPECT_EQ(described(opened("a310-mx3-4a-m8m8x~1")), described(decoding.configurations[0].state));
}

TEST(ConfigurationLink, WhatNoConfigurationNamesOpensNothing) {
    EXPECT_EQ(configurationLink(Configurator().state()), "");
    for (const char* link : {"", "~", "~2", "NONSENSE", "A310-MX3-4A-M8M8X~x", "A310-MX2-2A-MXFX~"}) {
        const OpenedLink opened = openConfigurationLink(link);
        if (opened.decoding.status == PartNumberDecoding::Status::Unknown) {
            EXPECT_TRUE(opened.events.empty()) << link;
            EXPECT_EQ(findAnswer(opened.decoding), opened.decoding.explanation) << link;
        }
    }
    // A rank beyond those the number has opens the first.
    EXPECT_EQ(described(opened("A310-MX3-4A-M8M8X~9")), described(opened("A310-MX3-4A-M8M8X")));
    EXPECT_EQ(described(opened("A310-MX2-2A-MXFX~99999")), described(opened("A310-MX2-2A-MXFX")));
}

TEST(FindAnswer, SaysWhatWasSet) {
    EXPECT_EQ(findAnswer(partNumberDecoder().decode("a310-mx2-2a-mxfx")), "A310-MX2-2A-MXFX is set.");
    EXPECT_EQ(findAnswer(partNumberDecoder().decode("A310-MX3-4A-M8M8X")),
              "2 configurations give A310-MX3-4A-M8M8X; the one with the fewest choices is set.");
    const PartNumberDecoding unknown = partNumberDecoder().decode("NONSENSE");
    EXPECT_EQ(findAnswer(unknown), unknown.explanation);
    EXPECT_FALSE(findAnswer(unknown).empty());
}

}  // namespace
}  // namespace tarvek
