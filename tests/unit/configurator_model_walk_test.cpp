// Every configuration a user can make, walked on the configurator alone, held to what the
// code does not compute itself: after every click each segment, the part number, the list
// price and the non-standard marks are those the catalogue's typed tables give for the choices
// on show; a list opens only below a choice. Every configuration the walk reached through
// resets then decodes back, by a fresh path, to its part number and price, and to the same
// configuration where the number is unambiguous.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/orderable_configurations.h"
#include "rules/configurator/pricing.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/part_numbers/part_number_text.h"
#include "tests/support/cascade_walk.h"
#include "tests/support/expected_configuration.h"

namespace {

using namespace tarvek;
using tarvek::testing::Click;
namespace facts = tarvek::testing::facts;

// The choices, the options and the record of a configuration, not the picture or captions
// that depend on the order of the clicks.
std::vector<std::string> configurationOf(const ConfiguratorState& s) {
    std::vector<std::string> lines;
    for (const DescriptionLine& line : describeConfiguration(s)) lines.push_back(std::string(line.text));
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        lines.push_back(std::string(s.record[Segment(i)].code));
        lines.push_back(std::string(s.record[Segment(i)].price.written()));
    }
    return lines;
}

std::string describe(const Click& click, const ConfiguratorState& s) {
    return (click.onList ? "list " + std::to_string(int(click.list)) + " \"" + click.entry + '"'
                         : "option " + std::to_string(int(click.option))) +
           " -> " + s.partNumber;
}

void expectCatalogueValues(const Click& click, const ConfiguratorState& s,
                           const tarvek::testing::ExpectedConfiguration& e) {
    ASSERT_EQ(e.unknown, "") << "not in the catalogue, after " << describe(click, s);
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        ASSERT_EQ(s.record[Segment(i)].code, e.segments[i].code)
            << "segment " << i << ", " << describe(click, s);
        ASSERT_EQ(s.record[Segment(i)].price.written(), e.segments[i].price)
            << "segment " << i << ", " << describe(click, s);
    }
    ASSERT_EQ(s.partNumber, e.partNumber()) << describe(click, s);
    ASSERT_TRUE(s.listPrice.has_value());
    ASSERT_EQ(s.listPrice->cents, e.listCents()) << describe(click, s);
    ASSERT_EQ(s.record.nonStandard, e.nonStandard) << describe(click, s);
    ASSERT_EQ(s.nonStandardBanner, e.banner()) << describe(click, s);
}

// A list is open only below a choice; the four connection lists all open below the porting,
// the model list may open straight below the product type.
void expectCascade(const ConfiguratorState& s) {
    for (std::size_t i = 1; i < kListCount; ++i) {
        ASSERT_EQ(s.captionActive[i], s.lists[i].enabled) << i;
        if (!s.lists[i].enabled) continue;
        ASSERT_FALSE(s.lists[i].entries.empty()) << i;
        const List above = i >= std::size_t(List::Connection1) ? List::Porting : List(i - 1);
        const bool skipped = i == std::size_t(List::Model) && !s.list(List::Body).enabled;
        ASSERT_GE(s.list(skipped ? List::ProductType : above).chosen, 0)
            << "list " << i << " open below no choice";
    }
}

TEST(ConfiguratorModelWalk, EveryConfigurationHoldsTheCataloguesValuesAndDecodesBack) {
    Configurator model;
    tarvek::testing::CascadeWalk walk(tarvek::testing::ModelControls{&model});
    std::set<std::pair<List, std::string>> chosen;
    std::set<std::string_view> captions;
    unsigned lifted = 0;
    std::map<std::string, std::vector<ConfiguratorState>> walked;  // by part number
    walk.afterClick = [&](const Click& click) {
        if (::testing::Test::HasFatalFailure()) return;
        const ConfiguratorState& s = model.state();
        if (click.onList)
            chosen.insert({click.list, click.entry});
        else
            captions.insert(s.option(click.option).caption);
        const tarvek::testing::ExpectedConfiguration e = tarvek::testing::expectedConfiguration(s);
        lifted |= e.liftedBy;
        expectCatalogueValues(click, s, e);
        expectCascade(s);
        if (!s.partNumber.empty()) walked[s.partNumber].push_back(s);
    };
    walk.run();
    ASSERT_FALSE(::testing::Test::HasFatalFailure());

    // Every fact of the catalogue was on show: every entry, every connection in every
    // position it is offered in, every option, every exception lifting a mark.
    const auto wasChosen = [&](std::initializer_list<List> lists, std::string_view entry) {
        return std::any_of(lists.begin(), lists.end(), [&](List l) {
            return chosen.count({l, std::string(entry)}) > 0;
        });
    };
    for (const auto& body : facts::kBodies) EXPECT_TRUE(wasChosen({List::Body}, body.entry)) << body.entry;
    for (const auto& m : facts::kModels) EXPECT_TRUE(wasChosen({List::Model}, m.entry)) << m.entry;
    for (const auto& m : facts::kFlowComponents) EXPECT_TRUE(wasChosen({List::Model}, m.entry)) << m.entry;
    for (const auto& p : facts::kPortings) EXPECT_TRUE(wasChosen({List::Porting}, p.entry)) << p.entry;
    for (std::string_view h : facts::kHeadings)
        EXPECT_TRUE(wasChosen({List::ProductType, List::Model}, h)) << h;
    for (const auto& c : facts::kConnections)
        for (std::size_t p = 0; p < kConnectionPositions; ++p) {
            const bool fixedMale = std::string_view(c.codes[0]) == "-V";
            EXPECT_EQ(wasChosen({connectionList(p)}, c.entry), !fixedMale || p % 2 == 0)
                << c.entry << ' ' << p;
        }
    for (const auto& o : facts::kOptions) EXPECT_TRUE(captions.count(o.entry)) << o.entry;
    EXPECT_EQ(lifted, (1u << std::size(facts::kStandardExceptions)) - 1) << "exceptions that lifted a mark";

    const PartNumberDecoder& decoder = partNumberDecoder();
    std::size_t ambiguous = 0;
    for (const auto& [partNumber, states] : walked) {
        const PartNumberDecoding decoded = decoder.decode(partNumber);
        ASSERT_NE(decoded.status, PartNumberDecoding::Status::Unknown)
            << partNumber << ": " << decoded.explanation;
        for (const DecodedConfiguration& c : decoded.configurations) {
            ASSERT_EQ(normalizedPartNumber(c.state.partNumber), normalizedPartNumber(partNumber));
            Configurator replayed;  // the events lead where the decoder says
            for (const ConfiguratorEvent& event : c.events) replayed.apply(event);
            ASSERT_EQ(replayed.state().record, c.state.record) << partNumber;
        }
        for (const ConfiguratorState& s : states) {
            EXPECT_TRUE(std::any_of(decoded.configurations.begin(), decoded.configurations.end(),
                                    [&](const auto& c) { return c.state.listPrice == s.listPrice; }))
                << partNumber << " $" << listPriceText(s.listPrice);
            if (decoded.status == PartNumberDecoding::Status::Ok) {
                EXPECT_EQ(configurationOf(decoded.configurations[0].state), configurationOf(s)) << partNumber;
            }
        }
        ambiguous += decoded.status == PartNumberDecoding::Status::Ambiguous;
    }
    std::printf("walked %ld clicks; %zu part numbers decoded back, %zu of them ambiguous\n", walk.clicks(),
                walked.size(), ambiguous);
}

}  // namespace

namespace {

// The same choices in another order lead to the same configuration: in every orderable group,
// the options before the connections and the connections from the last position to the first.
TEST(ConfiguratorModelWalk, TheSameChoicesInAnotherOrderGiveTheSameConfiguration) {
    std::size_t compared = 0;
    for (const OrderableGroup& group : orderableGroups()) {
        std::size_t longest = 1;
        for (const auto& choices : group.connections) longest = std::max(longest, choices.size());
        for (std::size_t k = 0; k < longest; ++k) {
            std::vector<ConfiguratorEvent> events;  // connections 1 to 4, then the options
            for (std::size_t p = 0; p < kConnectionPositions; ++p)
                if (!group.connections[p].empty())
                    events.push_back(group.connections[p][(k + p) % group.connections[p].size()]);
            for (const auto& clicks : group.options)
                if (!clicks.empty()) events.push_back(clicks[k % clicks.size()]);
            Configurator forward = group.configurator, backward = group.configurator;
            for (const ConfiguratorEvent& e : events) forward.apply(e);
            for (auto e = events.rbegin(); e != events.rend(); ++e) backward.apply(*e);
            const ConfiguratorState &f = forward.state(), &b = backward.state();
            ASSERT_EQ(f.partNumber, b.partNumber);
            ASSERT_EQ(f.record, b.record) << f.partNumber;
            ASSERT_EQ(f.listPrice, b.listPrice) << f.partNumber;
            ASSERT_EQ(f.nonStandardBanner, b.nonStandardBanner) << f.partNumber;
            ++compared;
        }
    }
    EXPECT_GT(compared, orderableGroups().size());
}

}  // namespace
