// From part numbers back to configurations, with the configurator model alone.
#include "rules/part_numbers/part_number_decoder.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/orderable_configurations.h"
#include "rules/configurator/pricing.h"
#include "rules/part_numbers/part_number_text.h"
#include "tests/support/cascade_walk.h"
#include "tests/support/model_driver.h"

namespace {

using namespace tarvek;
using Status = PartNumberDecoding::Status;

TEST(PartNumberText, ReadsAsPeopleWriteIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"  a310-mx2-2a-mxfx-vs \t\r\n", "A310-MX2-2A-MXFX-VS"},
        {"A310\u2013MX2\u2014 2A\u2212MXFX\u2010VS\u2011BK\u2012LS", "A310-MX2- 2A-MXFX-VS-BK-LS"},
        {"\u00a0J310-MX2\u00a0", "J310-MX2"},
        {"", ""},
        {"   ", ""},
        {"A310-MX2-4A-M FFM ", "A310-MX2-4A-M FFM"},  // a blank inside stays, as the catalogue writes it
        {"\u200B\u202FA310\u058AMX2\u30A0X\u2028", "A310-MX2-X"},
        {"\xff\xfe", "\xff\xfe"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(normalizedPartNumber(text), expected) << text;
}

// What a decoded configuration is: the choices, the options and the record, not the
// picture or captions that depend on the order of the clicks.
std::vector<std::string> configurationOf(const ConfiguratorState& s) {
    std::vector<std::string> lines;
    for (const DescriptionLine& line : describeConfiguration(s)) lines.push_back(std::string(line.text));
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        lines.push_back(std::string(s.record[Segment(i)].code));
        lines.push_back(std::string(s.record[Segment(i)].price.written()));
    }
    return lines;
}

// Every configuration the walk reaches decodes back to a configuration with its part
// number and list price, and to the very configuration where the number is unambiguous.
TEST(PartNumberDecoder, EveryWalkedConfigurationDecodesBack) {
    std::map<std::string, std::vector<ConfiguratorState>> walked;  // by part number
    Configurator model;
    tarvek::testing::CascadeWalk walk(tarvek::testing::ModelControls{&model});
    walk.afterClick = [&](const tarvek::testing::Click&) {
        if (!model.state().partNumber.empty()) walked[model.state().partNumber].push_back(model.state());
    };
    walk.run();

    const PartNumberDecoder& decoder = partNumberDecoder();
    std::size_t ambiguous = 0;
    for (const auto& [partNumber, states] : walked) {
        const PartNumberDecoding decoded = decoder.decode(partNumber);
        ASSERT_NE(decoded.status, Status::Unknown) << partNumber << ": " << decoded.explanation;
        for (const DecodedConfiguration& c : decoded.configurations) {
            ASSERT_EQ(normalizedPartNumber(c.state.partNumber), normalizedPartNumber(partNumber));
            Configurator replayed;  // the events lead where the decoder says
            for (const ConfiguratorEvent& event : c.events) replayed.apply(event);
            ASSERT_EQ(replayed.state().record, c.state.record) << partNumber;
        }
        for (const ConfiguratorState& s : states) {
            const bool samePrice =
                std::any_of(decoded.configurations.begin(), decoded.configurations.end(),
                            [&](const auto& c) { return c.state.listPrice == s.listPrice; });
            EXPECT_TRUE(samePrice) << partNumber << " $" << listPriceText(s.listPrice);
            if (decoded.status == Status::Ok) {
                EXPECT_EQ(configurationOf(decoded.configurations[0].state), configurationOf(s)) << partNumber;
            }
        }
        ambiguous += decoded.status == Status::Ambiguous;
    }
    std::printf("%zu walked part numbers decoded back, %zu of them ambiguous; index of %zu states\n",
                walked.size(), ambiguous, decoder.indexSize());
}

// Every connection code in every position, followed by every seat, colour and lever suffix the
// product allows, decodes back to a configuration with the same part number and list price:
// the catalogue's own blanks ("M " in position 4, " F" in position 2) before a suffix included.
TEST(PartNumberDecoder, EveryConnectionWithEverySuffixDecodesBack) {
    const PartNumberDecoder& decoder = partNumberDecoder();
    std::size_t checked = 0, ambiguous = 0;
    for (const OrderableGroup& group : orderableGroups()) {
        for (std::size_t position = 0; position < kConnectionPositions; ++position) {
            const auto& choices = group.connections[position];
            for (std::size_t c = 0; c < std::max<std::size_t>(choices.size(), position == 0 ? 1 : 0); ++c) {
                Configurator connected = group.configurator;
                for (std::size_t p = 0; p < kConnectionPositions; ++p)
                    if (!group.connections[p].empty())
                        connected.apply(group.connections[p][p == position ? c : 0]);
                std::vector<std::optional<ConfiguratorEvent>> suffixes = {std::nullopt};
                for (const auto& clicks : group.options)
                    suffixes.insert(suffixes.end(), clicks.begin(), clicks.end());
                for (const auto& suffix : suffixes) {
                    Configurator shown = connected;
                    if (suffix) shown.apply(*suffix);
                    const ConfiguratorState& s = shown.state();
                    const PartNumberDecoding decoded = decoder.decode(s.partNumber);
                    ++checked;
                    ambiguous += decoded.status == Status::Ambiguous;
                    ASSERT_NE(decoded.status, Status::Unknown) << s.partNumber << ": " << decoded.explanation;
                    const bool same = std::any_of(
                        decoded.configurations.begin(), decoded.configurations.end(), [&](const auto& d) {
                            return d.state.partNumber == s.partNumber && d.state.listPrice == s.listPrice;
                        });
                    ASSERT_TRUE(same) << '"' << s.partNumber << "\" $" << listPriceText(s.listPrice);
                }
            }
        }
    }
    std::printf("%zu part numbers with every connection and suffix decoded back, %zu of them ambiguous\n",
                checked, ambiguous);
}

TEST(PartNumberDecoder, ReadsBlanksCaseAndDashesAsTheCatalogueDoes) {
    for (const char* text :
         {"A310-MX2-2A-MXFX-VS", " a310-mx2-2a-mxfx-vs ", "A310\u2013MX2\u20142A\u2212MXFX\u2010VS",
          "\u202F\u2007A310\uFF0DMX2\uFE632A\u2015MXFX\u2011VS\u200B\uFEFF",
          "\uFEFF\u3000A310-MX2-2A-MXFX-VS\u00A0\u2060"}) {
        const PartNumberDecoding decoded = partNumberDecoder().decode(text);
        ASSERT_EQ(decoded.status, Status::Ok) << text;
        const ConfiguratorState& s = decoded.configurations[0].state;
        EXPECT_EQ(s.partNumber, "A310-MX2-2A-MXFX-VS");
        EXPECT_EQ(listPriceText(s.listPrice), "350");
        EXPECT_EQ(stepText(s, Step::Model), "A310 --- Air-Op N.C., Low Pressure");
        EXPECT_EQ(stepText(s, Step::Seat), "VS - Vespel Seat");
    }
}

// Where several configurations give one part number, the one reached with the fewest
// choices comes first, then the cheaper one.
TEST(PartNumberDecoder, RanksTheConfigurationsOfAnAmbiguousNumber) {
    // On MX3 "-M8" "M" "8" "X" reads the same as "-M" "8" "M8" "X"; the same number of
    // choices and the same price, so the catalogue's order of connection 1 decides.
    const PartNumberDecoding four = partNumberDecoder().decode("A310-MX3-4A-M8M8X");
    ASSERT_EQ(four.status, Status::Ambiguous) << four.explanation;
    ASSERT_EQ(four.configurations.size(), 2u);
    EXPECT_EQ(stepText(four.configurations[0].state, Step::Connection1),
              "M - Male Face Seal, 1/4 inch Hi Flo");
    EXPECT_EQ(stepText(four.configurations[1].state, Step::Connection1), "M8 - Male Face Seal, 1/2 inch");
    EXPECT_EQ(four.configurations[0].state.listPrice, four.configurations[1].state.listPrice);
}

TEST(PartNumberDecoder, SaysHowFarAnUnknownNumberWasUnderstood) {
    struct Case {
        std::string text;
        std::string understood;
        std::vector<std::string> saying;  // parts of the explanation
    };
    const Case cases[] = {
        {"A310-MX2-9Z",
         "A310-MX2",
         {"A310 --- Air-Op N.C., Low Pressure", "a porting (-2A, -2B", "-4D", "\"-9Z\""}},
        {"A310-MX2-2A", "A310-MX2-2A", {"connection 1 (-T, -M, -F, -6, -V, -X when not chosen)"}},
        {"70-806-01-ZZ", "70-806-01", {"Nothing in the catalogue follows \"70-806-01\"", "\"-ZZ\""}},
        {"J310-MX2-2A-MXFX-VZ",
         "J310-MX2-2A-MXFX",
         {"\"-VZ\" is not what follows", "a seat or seal (-VS, -B5)", "-LS"}},
        {"QQ-1", "", {"No part number of the catalogue begins like \"QQ-1\"", "A310"}},
        {"", "", {"No part number given."}},
        {"-", "", {"\"-\" is not a whole part number", "-MX2"}},
        // Partial and incomplete numbers: what can follow.
        {"A310-MX", "A310", {"\"A310-MX\" is not a whole part number", "A310-MX1, A310-MX2, A310-MX3"}},
        {"A310-M", "A310", {"A310-MX1, A310-MX2, A310-MX3"}},
        {"A310 MX2", "A310", {"\" MX2\" is not what follows \"A310\"", "-MX1, -MX2, -MX3"}},
        {"A310 - MX2", "A310", {"\" - MX2\" is not what follows \"A310\"", "-MX1, -MX2, -MX3"}},
        {"A310-MX2-2A",
         "A310-MX2-2A",
         {"\"A310-MX2-2A\" is not a whole part number: the connections follow",
          "X where the porting has no port", "for example A310-MX2-2A-TXTX"}},
        {"A310\x01-MX2", "A310", {"\uFFFD-MX2"}},
        {"A310-MX2\xff", "A310-MX2", {"\uFFFD"}},
        {std::string(100000, 'A'), "", {"\u2026"}},
    };
    for (const Case& c : cases) {
        const PartNumberDecoding decoded = partNumberDecoder().decode(c.text);
        EXPECT_EQ(decoded.status, Status::Unknown) << c.text.substr(0, 40);
        EXPECT_TRUE(decoded.configurations.empty());
        EXPECT_EQ(decoded.understood, c.understood) << c.text.substr(0, 40);
        for (const std::string& part : c.saying)
            EXPECT_NE(decoded.explanation.find(part), std::string::npos)
                << c.text.substr(0, 40) << ": " << decoded.explanation << "\n  lacks " << part;
    }
}

}  // namespace
