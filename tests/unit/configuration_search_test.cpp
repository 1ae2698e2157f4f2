// The search against a brute-force count over every orderable configuration: the number of
// matches, for every value of every attribute the number choosing it would leave, what each
// group holds of them and at what prices, and the groups in order of price.
#include "rules/search/configuration_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <sstream>

#include "rules/configurator/configuration_description.h"
#include "rules/configurator/pricing.h"
#include "rules/search/result_order.h"
#include "tests/support/configuration_census.h"
#include "tests/support/search_requirements.h"

namespace {

using namespace tarvek;
using namespace tarvek::search;
using tarvek::testing::AnyOf;
using tarvek::testing::census;
using tarvek::testing::Census;
using tarvek::testing::queryFor;
using tarvek::testing::Requirement;
using tarvek::testing::valueNamed;
using tarvek::testing::with;
using tarvek::testing::without;

struct Case {
    const char* what;
    Requirement requirement;
};

std::vector<Case> cases() {
    using search::ConnectionScope;
    return {
        {"no requirement at all", {}},
        {"a normally closed air-operated valve with 1/4 inch male face seals on every end, standard, under "
         "$400",
         {.steps = {{Step::ProductType, "Diaphragm Valves"}},
          .actuator = "Air-operated, normally closed",
          .kind = "Male Face Seal",
          .size = "1/4 inch",
          .scope = ConnectionScope::EveryPort,
          .standardOnly = true,
          .toCents = 40000}},
        {"a high-flow valve with porting 3B and the Vespel seat",
         {.steps = {{Step::Body, "MX3 - High Flow Series"},
                    {Step::Porting, "3B"},
                    {Step::Seat, "VS - Vespel Seat"}}}},
        {"the fixed male face seal in connection 3",
         {.kind = "Fixed Male Face Seal", .scope = ConnectionScope::Position3}},
        {"a manual valve of Cv 0.4 or more for 500 psig or more, red with the lever handle",
         {.steps = {{Step::HandleColour, "RD - Red"}, {Step::LeverHandle, "LS - Lever Handle"}},
          .actuator = "Manual",
          .cvAtLeast = 0.4,
          .psigAtLeast = 500}},
        {"half-inch tube stubs on some port, $500 to $700",
         {.kind = "Tube Stub", .size = "1/2 inch", .fromCents = 50000, .toCents = 70000}},
        {"a Kalrez seal", {.steps = {{Step::Seat, "KZ - Kalrez Seal"}}}},
        {"a regulator with a manual actuator, which no configuration is",
         {.steps = {{Step::Body, "GN1 - Miniature Series"}}, .actuator = "Manual"}},
        // Lists that take several entries, with other filters.
        {"the male face seal with an air-operated, normally closed actuator",
         {.actuator = "Air-operated, normally closed", .kind = "Male Face Seal"}},
        {"1/4 inch male face seals of either kind on every end, standard, under $400",
         {.steps = {{Step::ProductType, "Diaphragm Valves"}},
          .actuator = "Air-operated, normally closed",
          .kind = AnyOf{"Male Face Seal", "Fixed Male Face Seal"},
          .size = "1/4 inch",
          .scope = ConnectionScope::EveryPort,
          .standardOnly = true,
          .toCents = 40000}},
        {"two series, two seats, manual or hybrid, a female face seal or a tube stub at connection 1",
         {.steps = {{Step::Body, AnyOf{"MX1 - Miniature Series", "MX3 - High Flow Series"}},
                    {Step::Seat, AnyOf{"VS - Vespel Seat", "B5 - Bleed Seat"}}},
          .actuator = AnyOf{"Manual", "Hybrid, normally closed"},
          .kind = AnyOf{"Female Face Seal", "Tube Stub"},
          .size = AnyOf{"1/4 inch", "1/2 inch"},
          .scope = ConnectionScope::Position1}},
        // A range from $0 takes in no configuration without a price (the V-block series).
        {"without a lever handle, white or yellow, up to $300",
         {.steps = {{Step::LeverHandle, ""}, {Step::HandleColour, AnyOf{"WH - White", "YW - Yellow"}}},
          .toCents = 30000}},
    };
}

TEST(ConfigurationSearch, FindsEveryOrderableConfiguration) {
    ConfigurationSearch search(searchIndex());
    EXPECT_EQ(searchIndex().size(), 1'857'542u);
    EXPECT_EQ(census().size(), searchIndex().size());
    EXPECT_EQ(search.find({}).total, census().size());
    EXPECT_EQ(searchIndex().groups().size(), 521u);
}

TEST(ConfigurationSearch, CountsWhatEveryChoiceLeavesAsABruteForceCountDoes) {
    const SearchIndex& index = searchIndex();
    ConfigurationSearch search(index);
    for (const Case& c : cases()) {
        const SearchResult r = search.find(queryFor(index, c.requirement));
        EXPECT_EQ(r.total, census().count(c.requirement)) << c.what;
        std::uint64_t inGroups = 0;
        for (const GroupMatch& g : r.groups) inGroups += g.count;
        EXPECT_EQ(inGroups, r.total) << c.what;
        for (std::size_t a = 0; a < kAttributeCount; ++a) {
            for (std::size_t e = 0; e < index.entries(Attribute(a)).size(); ++e)
                EXPECT_EQ(r.counts[a][e], census().count(with(c.requirement, index, Attribute(a), e)))
                    << c.what << ": " << index.entries(Attribute(a))[e].name;
            // "Any": the attribute left to any, the other filters as they are.
            EXPECT_EQ(r.any[a], census().count(without(c.requirement, Attribute(a))))
                << c.what << ": any " << index.values(Attribute(a)).size();
        }
        Requirement standard = c.requirement;
        standard.standardOnly = true;
        EXPECT_EQ(r.standardOnly, census().count(standard)) << c.what;
        Requirement anyPrice = c.requirement;
        anyPrice.fromCents.reset();
        anyPrice.toCents.reset();
        EXPECT_EQ(r.without[std::size_t(Filter::Price)], census().count(anyPrice)) << c.what;
        Requirement anyConnection = c.requirement;
        anyConnection.kind.reset();
        anyConnection.size.reset();
        EXPECT_EQ(r.without[std::size_t(Filter::Connection)], census().count(anyConnection)) << c.what;
    }
}

// Each group's configurations, as the result lists them, meet the requirement one by one, and
// their prices are the group's range.
TEST(ConfigurationSearch, ListsEachGroupsConfigurationsWithTheirPrices) {
    const SearchIndex& index = searchIndex();
    ConfigurationSearch search(index);
    const Requirement r = cases()[1].requirement;
    const SearchQuery query = queryFor(index, r);
    const SearchResult result = search.find(query);
    ASSERT_FALSE(result.groups.empty());
    bool sawTheExample = false;
    for (const GroupMatch& g : result.groups) {
        const std::vector<ConfigurationId> ids = search.configurations(query, g.group);
        ASSERT_EQ(ids.size(), g.count);
        Money low{1'000'000}, high{0};
        for (const ConfigurationId id : ids) {
            const IndexedConfiguration c = index.configuration(id);
            Configurator replayed;
            for (const ConfiguratorEvent& e : c.events) replayed.apply(e);
            const ConfiguratorState& s = replayed.state();
            EXPECT_EQ(s.partNumber, c.partNumber);
            EXPECT_EQ(s.listPrice, c.listPrice);
            EXPECT_LE(c.listPrice.cents, 40000) << c.partNumber;
            EXPECT_FALSE(s.nonStandardBanner) << c.partNumber;
            EXPECT_EQ(tarvek::testing::kActuatorKinds.at(stepText(s, Step::Model)),
                      "Air-operated, normally closed");
            for (std::size_t p = 0; p < kConnectionPositions; ++p) {
                const std::string_view entry = stepText(s, connectionStep(p));
                if (entry.empty()) continue;
                EXPECT_EQ(tarvek::testing::kConnectionWords.at(entry).kind, "Male Face Seal") << c.partNumber;
            }
            low = std::min(low, c.listPrice);
            high = std::max(high, c.listPrice);
            sawTheExample = sawTheExample || c.partNumber == "A310-MX2-2A-MXMX";
        }
        EXPECT_EQ(g.lowest, low);
        EXPECT_EQ(g.highest, high);
    }
    // A310 110 + MX2 140 + porting 2A 0 + two male face seals at 45: 340.
    EXPECT_TRUE(sawTheExample);
    EXPECT_EQ(
        listPriceText(
            index.configuration(search.configurations(query, result.groups.front().group).front()).listPrice)
            .empty(),
        false);
}

// Requirements on what varies inside a model-and-porting group: the options and the connections
// at one position or another, and a price range that cuts through groups.
std::vector<Case> withinGroupCases() {
    using search::ConnectionScope;
    return {
        {"the Vespel seat on a high-flow valve",
         {.steps = {{Step::Body, "MX3 - High Flow Series"}, {Step::Seat, "VS - Vespel Seat"}}}},
        {"the bleed seat, standard", {.steps = {{Step::Seat, "B5 - Bleed Seat"}}, .standardOnly = true}},
        {"an EPR seal", {.steps = {{Step::Seat, "EP - EPR Seal"}}}},
        {"a green handle", {.steps = {{Step::HandleColour, "GR - Green"}}}},
        {"a yellow handle without the lever",
         {.steps = {{Step::HandleColour, "YW - Yellow"}, {Step::LeverHandle, ""}}}},
        {"the lever handle on the hybrid",
         {.steps = {{Step::Model, "E310 --- Hybrid, N.C., LOTO"}, {Step::LeverHandle, "LS - Lever Handle"}}}},
        {"a female face seal in connection 2",
         {.kind = "Female Face Seal", .scope = ConnectionScope::Position2}},
        {"a 3/8 inch tube stub in connection 4",
         {.kind = "Tube Stub", .size = "3/8 inch", .scope = ConnectionScope::Position4}},
        {"valves of the standard series from $300 to $320",
         {.steps = {{Step::Body, "MX2 - Standard Series"}}, .fromCents = 30000, .toCents = 32000}},
    };
}

// Each group the search shows holds what the census finds in that group: as many
// configurations, at the same lowest and highest list price, and it lists exactly them.
TEST(ConfigurationSearch, EachGroupHoldsWhatTheCensusFindsInIt) {
    const SearchIndex& index = searchIndex();
    ASSERT_EQ(index.groups().size(), census().countByGroup({}).size());
    for (std::size_t g = 0; g < index.groups().size(); ++g)
        ASSERT_EQ(index.groups()[g].texts, census().groupTexts(g)) << g;  // one enumeration
    ConfigurationSearch search(index);
    for (const Case& c : withinGroupCases()) {
        const SearchQuery query = queryFor(index, c.requirement);
        const SearchResult r = search.find(query);
        const std::vector<Census::GroupCount> expected = census().countByGroup(c.requirement);
        EXPECT_EQ(r.groups.size(), std::size_t(std::count_if(expected.begin(), expected.end(),
                                                             [](const auto& e) { return e.count > 0; })))
            << c.what;
        std::uint64_t listed = 0;
        for (const GroupMatch& g : r.groups) {
            const Census::GroupCount& e = expected[g.group];
            const std::string where = std::string(c.what) + " in " + index.groups()[g.group].prefix;
            EXPECT_EQ(g.count, e.count) << where;
            EXPECT_EQ(g.lowest.cents, e.lowestCents) << where;
            EXPECT_EQ(g.highest.cents, e.highestCents) << where;
            if (listed < 20'000) {  // enough to see each kind of group listed, and quick
                const std::vector<ConfigurationId> ids = search.configurations(query, g.group);
                EXPECT_EQ(ids.size(), e.count) << where;
                listed += ids.size();
            }
        }
        EXPECT_GT(r.total, 0u) << c.what;
    }
}

// Valve groups whose configurations span a price range, sorted by price both ways: the cheapest
// group first by its lowest price, the dearest first by its highest, as the census prices them;
// inside a group, its configurations from its lowest price to its highest and back.
TEST(ConfigurationSearch, PriceOrdersFollowTheCensusPrices) {
    const SearchIndex& index = searchIndex();
    ConfigurationSearch search(index);
    for (const Case& c : {Case{"every diaphragm valve", {.steps = {{Step::ProductType, "Diaphragm Valves"}}}},
                          withinGroupCases()[3], withinGroupCases().back()}) {
        const SearchQuery query = queryFor(index, c.requirement);
        const std::vector<Census::GroupCount> expected = census().countByGroup(c.requirement);
        std::vector<GroupMatch> low = search.find(query).groups, high = low;
        sortGroups(index, low, ResultOrder::PriceLowFirst);
        sortGroups(index, high, ResultOrder::PriceHighFirst);
        ASSERT_GT(low.size(), 2u) << c.what;
        // Only where the two prices order the groups differently can each order be told apart
        // from the other's.
        // A group the catalogue prices on request (no configuration of it priced) comes last in
        // both orders.
        const auto onRequest = [](const Census::GroupCount& g) { return g.highestCents == 0; };
        bool lowOrderIsNotByHighest = false, highOrderIsNotByLowest = false;
        for (std::size_t i = 1; i < low.size(); ++i) {
            const Census::GroupCount &before = expected[low[i - 1].group], &e = expected[low[i].group];
            if (onRequest(before) || onRequest(e)) {
                EXPECT_TRUE(onRequest(e)) << c.what << ": " << index.groups()[low[i].group].prefix;
            } else {
                EXPECT_TRUE(before.lowestCents < e.lowestCents ||
                            (before.lowestCents == e.lowestCents && low[i - 1].group < low[i].group))
                    << c.what << ": " << index.groups()[low[i].group].prefix;
                lowOrderIsNotByHighest = lowOrderIsNotByHighest || before.highestCents > e.highestCents;
            }
            const Census::GroupCount &higher = expected[high[i - 1].group], &h = expected[high[i].group];
            if (onRequest(higher) || onRequest(h)) {
                EXPECT_TRUE(onRequest(h)) << c.what << ": " << index.groups()[high[i].group].prefix;
            } else {
                EXPECT_TRUE(higher.highestCents > h.highestCents ||
                            (higher.highestCents == h.highestCents && high[i - 1].group < high[i].group))
                    << c.what << ": " << index.groups()[high[i].group].prefix;
                highOrderIsNotByLowest = highOrderIsNotByLowest || higher.lowestCents < h.lowestCents;
            }
        }
        EXPECT_TRUE(lowOrderIsNotByHighest && highOrderIsNotByLowest) << c.what;

        const std::size_t widest =
            std::max_element(expected.begin(), expected.end(),
                             [](const auto& a, const auto& b) {
                                 return a.highestCents - a.lowestCents < b.highestCents - b.lowestCents;
                             }) -
            expected.begin();
        for (const ResultOrder order : {ResultOrder::PriceLowFirst, ResultOrder::PriceHighFirst}) {
            std::vector<ConfigurationId> ids = search.configurations(query, widest);
            ASSERT_EQ(ids.size(), expected[widest].count) << c.what;
            sortConfigurations(index, ids, order);
            const bool lowFirst = order == ResultOrder::PriceLowFirst;
            EXPECT_EQ(index.listPrice(index.choices(ids.front())).cents,
                      lowFirst ? expected[widest].lowestCents : expected[widest].highestCents)
                << c.what;
            EXPECT_EQ(index.listPrice(index.choices(ids.back())).cents,
                      lowFirst ? expected[widest].highestCents : expected[widest].lowestCents)
                << c.what;
            for (std::size_t i = 1; i < ids.size(); ++i) {
                const Money a = index.listPrice(index.choices(ids[i - 1])),
                            b = index.listPrice(index.choices(ids[i]));
                ASSERT_TRUE(lowFirst ? a <= b : a >= b)
                    << c.what << ": " << index.partNumber(index.choices(ids[i]));
            }
        }
    }
}

// Words of the free text anywhere in the part number (across its segments too) or in the texts
// that describe the configuration, a valve's rating among them (".23 Cv, 250 psig", found as
// ".23" and as "0.23"); counted on the states the enumeration reaches.
TEST(ConfigurationSearch, FreeTextFindsWordsInPartNumbersAndDescriptions) {
    const SearchIndex& index = searchIndex();
    ConfigurationSearch search(index);
    const struct {
        const char* text;
        const char* body;   // where the brute force looks, to stay quick
        const char* model;  // and, where given, only there
    } cases[] = {
        {"MXFX", "MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure"},
        {"mxfx vespel", "MX2 - Standard Series", "U310 --- Air-Op N.O., Low Pressure"},
        {"-3b-6", "MX1 - Miniature Series", "A371 --- Air-Op N.C., High Pressure"},
        {"F8M8 hi", "MX3 - High Flow Series", "A22 --- Air-Op NC, Med Pressure"},
        {"a550 -2A-8 wall", "HMX3 - Very High Pressure, High Flow", nullptr},
        {"kl-01-kz", "Check Valve", nullptr},
        {"x 0.65", "Compart Nuts", nullptr},
        {"LNQ", "Check Valve", nullptr},
        {"1/2 F8", "MX3 - High Flow Series", "A310 --- Air-Op N.C., Low Pressure"},
        {"-LS", "MX1 - Miniature Series", "E310 --- Hybrid, N.C., LOTO"},
        {"bk-ls", "MX1 - Miniature Series", "J310 --- Manual, Tee Knob, LOTO"},
        {"standard", "GN2 - Standard Series", nullptr},
        {"nothing-like-this", "MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure"},
        {".23", "MX2 - Standard Series", "A310 --- Air-Op N.C., Low Pressure"},
        {"0.23 3000", "MX2 - Standard Series", "J310 --- Manual, Tee Knob, LOTO"},
        {"0.5 psig", "MX3 - High Flow Series", "A22 --- Air-Op NC, Med Pressure"},
        {"0.23", "MX3 - High Flow Series", "A22 --- Air-Op NC, Med Pressure"},
    };
    // A note's numbers as the catalogue writes them, and with the leading zero it leaves off.
    const auto noteSays = [](std::string_view note, const std::string& lowerWord) {
        std::string lower(note), zeroed;
        for (char& ch : lower) ch = char(std::tolower(static_cast<unsigned char>(ch)));
        for (std::size_t i = 0; i < lower.size(); ++i) {
            if (lower[i] == '.' && (i == 0 || lower[i - 1] == ' ')) zeroed += '0';
            zeroed += lower[i];
        }
        return lower.find(lowerWord) != std::string::npos || zeroed.find(lowerWord) != std::string::npos;
    };
    const std::vector<OrderableGroup> groups = orderableGroups();
    for (const auto& c : cases) {
        SearchQuery query;
        query[Attribute::Body] = {valueNamed(index, Attribute::Body, c.body)};
        if (c.model) query[Attribute::Model] = {valueNamed(index, Attribute::Model, c.model)};
        query.text = c.text;
        std::uint64_t expected = 0;
        // The words as the user means them: blank-separated, in any case.
        std::vector<std::pair<std::string, std::string>> words;  // upper, lower
        std::istringstream split(c.text);
        for (std::string word; split >> word;) {
            std::string upper = word, lower = word;
            for (char& ch : upper) ch = char(std::toupper(static_cast<unsigned char>(ch)));
            for (char& ch : lower) ch = char(std::tolower(static_cast<unsigned char>(ch)));
            words.emplace_back(upper, lower);
        }
        for (const OrderableGroup& group : groups) {
            const ConfiguratorState& g = group.configurator.state();
            if (stepText(g, Step::Body) != c.body || (c.model && stepText(g, Step::Model) != c.model))
                continue;
            forEachConfiguration(group, [&](auto, const ConfiguratorState& s) {
                const std::vector<DescriptionLine> lines = describeConfiguration(s);
                expected += std::all_of(words.begin(), words.end(), [&](const auto& w) {
                    return s.partNumber.find(w.first) != std::string::npos ||
                           (s.valveDescriptionShown && noteSays(s.valveDescription, w.second)) ||
                           std::any_of(lines.begin(), lines.end(), [&](const DescriptionLine& l) {
                               std::string text(l.text);
                               for (char& ch : text) ch = char(std::tolower(static_cast<unsigned char>(ch)));
                               return text.find(w.second) != std::string::npos;
                           });
                });
                return true;
            });
        }
        EXPECT_EQ(search.find(query).total, expected) << c.text;
        // No high-flow valve is rated .23 Cv.
        if (std::string_view(c.text) != "nothing-like-this" && std::string_view(c.text) != "0.23") {
            EXPECT_GT(expected, 0u) << c.text;
        }
    }
}

// Whatever is typed, the search answers, and only what meets it.
TEST(ConfigurationSearch, BadInputGetsAClearAnswer) {
    ConfigurationSearch search(searchIndex());
    const std::uint64_t all = searchIndex().size();
    const struct {
        std::string text;
        std::optional<std::int64_t> from, to;
        std::uint64_t found;
    } cases[] = {
        {std::string(100000, 'A'), {}, {}, 0},
        {std::string(50000, 'a') + " " + std::string(50000, 'b'), {}, {}, 0},
        {"A310\x01\x02-MX2\x1b[31m", {}, {}, 0},  // "A310", "-MX2", "[31M": the last is in no text
        {"\xff\xfe\xc3(A310-MX2\x80", {}, {}, 0},
        {std::string("\0\t\r\n ", 5), {}, {}, all},  // no word at all asks nothing
        {"", 50000, 10000, 0},                       // inverted
        {"", 1'000'000'000'000, {}, 0},              // beyond any price
        {"", 0, 1'000'000'000'000, all - 1},         // every price; the V-block series has none
        {"", {}, 0, 0},                              // nothing is free
    };
    for (const auto& c : cases) {
        SearchQuery query;
        query.text = c.text;
        if (c.from) query.priceFrom = Money{*c.from};
        if (c.to) query.priceTo = Money{*c.to};
        const SearchResult r = search.find(query);
        EXPECT_EQ(r.total, c.found) << c.text.substr(0, 30);
        EXPECT_EQ(r.groups.empty(), c.found == 0);
    }
}

// The V-block series has no price in the catalogue: its body states none, nothing below it can
// be chosen, and its note sends the reader to the literature. It is found, as priced on
// request, and no price bound takes it in; it gives the price range no $0.
TEST(ConfigurationSearch, TheVBlockSeriesIsPricedOnRequest) {
    const SearchIndex& index = searchIndex();
    ConfigurationSearch search(index);
    SearchQuery vBlock;
    vBlock.text = "-BMX2";
    SearchResult r = search.find(vBlock);
    ASSERT_EQ(r.total, 1u);
    EXPECT_TRUE(r.groups[0].priceOnRequest);
    EXPECT_FALSE(r.lowestPrice.has_value());
    const IndexedConfiguration c = index.configuration(index.groups()[r.groups[0].group].first);
    EXPECT_EQ(c.partNumber, "-BMX2");
    EXPECT_TRUE(c.priceOnRequest);
    for (const auto& [from, to] :
         {std::pair<std::optional<std::int64_t>, std::optional<std::int64_t>>{{}, 40000}, {0, {}}, {0, 0}}) {
        vBlock.priceFrom = from ? std::optional(Money{*from}) : std::nullopt;
        vBlock.priceTo = to ? std::optional(Money{*to}) : std::nullopt;
        r = search.find(vBlock);
        EXPECT_EQ(r.total, 0u);
        EXPECT_EQ(r.without[std::size_t(Filter::Price)], 1u);
    }
    // The cheapest priced configurations of the catalogue: a Compart nut at $4.02.
    const SearchResult all = search.find({});
    ASSERT_TRUE(all.lowestPrice.has_value());
    EXPECT_EQ(*all.lowestPrice, Money{402});
    std::uint64_t onRequest = 0;
    for (const GroupMatch& g : all.groups) onRequest += g.priceOnRequest ? g.count : 0;
    EXPECT_EQ(onRequest, 1u);
}

TEST(SearchIndex, EveryConfigurationIsTheOneTheEnumerationReaches) {
    const SearchIndex& index = searchIndex();
    std::mt19937 random(21);
    std::bernoulli_distribution replay(0.01);
    ConfigurationId id = 0;
    std::uint64_t replayed = 0;
    for (const OrderableGroup& group : orderableGroups())
        forEachConfiguration(
            group, [&](std::span<const ConfiguratorEvent> events, const ConfiguratorState& s) {
                const ConfigurationChoices choices = index.choices(id);
                EXPECT_EQ(index.partNumber(choices), s.partNumber) << id;
                EXPECT_EQ(index.listPrice(choices), s.listPrice) << s.partNumber;
                EXPECT_EQ(index.groups()[choices.group].nonStandard[choices.connectionChoice],
                          s.nonStandardBanner)
                    << s.partNumber;
                if (replay(random)) {
                    const IndexedConfiguration c = index.configuration(id);
                    EXPECT_TRUE(std::equal(c.events.begin(), c.events.end(), events.begin(), events.end()))
                        << s.partNumber;
                    std::vector<std::string_view> texts;
                    for (const DescriptionLine& line : describeConfiguration(s)) texts.push_back(line.text);
                    EXPECT_EQ(c.description, texts) << s.partNumber;
                    ++replayed;
                }
                ++id;
                return !HasFailure();
            });
    EXPECT_EQ(id, index.size());
    EXPECT_GT(replayed, 10000u);
}

}  // namespace
