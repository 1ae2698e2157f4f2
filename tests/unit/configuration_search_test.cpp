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

namespace {

using namespace tarvek;
using namespace tarvek::search;
using tarvek::testing::census;
using tarvek::testing::Census;
using tarvek::testing::Requirement;

// The step that shows an attribute's value, for those that are a step's text.
std::optional<Step> stepOf(Attribute a) {
    switch (a) {
        case Attribute::ProductType:
            return Step::ProductType;
        case Attribute::Body:
            return Step::Body;
        case Attribute::Model:
            return Step::Model;
        case Attribute::Porting:
            return Step::Porting;
        case Attribute::Seat:
            return Step::Seat;
        case Attribute::HandleColour:
            return Step::HandleColour;
        case Attribute::LeverHandle:
            return Step::LeverHandle;
        default:
            return std::nullopt;
    }
}

ValueId valueNamed(const SearchIndex& index, Attribute a, std::string_view name) {
    const auto& names = index.values(a);
    const auto found = std::find(names.begin(), names.end(), name);
    EXPECT_NE(found, names.end()) << "no value \"" << name << '"';
    return ValueId(found - names.begin());
}

// The same requirement as the search is asked it.
SearchQuery queryFor(const SearchIndex& index, const Requirement& r) {
    SearchQuery q;
    for (std::size_t a = 0; a < kAttributeCount; ++a)
        if (const auto step = stepOf(Attribute(a)))
            if (const auto text = r.steps.find(*step); text != r.steps.end())
                q.chosen[a] = valueNamed(index, Attribute(a), text->second);
    if (r.actuator) q[Attribute::Actuator] = valueNamed(index, Attribute::Actuator, *r.actuator);
    if (r.kind) q[Attribute::ConnectionKind] = valueNamed(index, Attribute::ConnectionKind, *r.kind);
    if (r.size) q[Attribute::ConnectionSize] = valueNamed(index, Attribute::ConnectionSize, *r.size);
    q.cvAtLeast = r.cvAtLeast;
    q.pressureAtLeast = r.psigAtLeast;
    q.scope = r.scope;
    q.standardOnly = r.standardOnly;
    if (r.fromCents) q.priceFrom = Money{*r.fromCents};
    if (r.toCents) q.priceTo = Money{*r.toCents};
    return q;
}

// The requirement with an attribute set to one of its values.
Requirement with(Requirement r, const SearchIndex& index, Attribute a, ValueId v) {
    const std::string& name = index.values(a)[v];
    if (const auto step = stepOf(a)) {
        r.steps[*step] = name;
        return r;
    }
    switch (a) {
        case Attribute::Actuator:
            r.actuator = name;
            break;
        case Attribute::Cv:
            r.cvAtLeast = index.ratings(a)[v];
            break;
        case Attribute::RatedPressure:
            r.psigAtLeast = index.ratings(a)[v];
            break;
        case Attribute::ConnectionKind:
            r.kind = name;
            break;
        default:
            r.size = name;
            break;
    }
    return r;
}

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
          .cvAtLeast = 400,
          .psigAtLeast = 500}},
        {"half-inch tube stubs on some port, $500 to $700",
         {.kind = "Tube Stub", .size = "1/2 inch", .fromCents = 50000, .toCents = 70000}},
        {"a Kalrez seal", {.steps = {{Step::Seat, "KZ - Kalrez Seal"}}}},
        {"a regulator with a manual actuator, which no configuration is",
         {.steps = {{Step::Body, "GN1 - Miniature Series"}}, .actuator = "Manual"}},
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
        for (std::size_t a = 0; a < kAttributeCount; ++a)
            for (ValueId v = 1; v < index.values(Attribute(a)).size(); ++v)
                EXPECT_EQ(r.counts[a][v], census().count(with(c.requirement, index, Attribute(a), v)))
                    << c.what << ": " << index.values(Attribute(a))[v];
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
        bool lowOrderIsNotByHighest = false, highOrderIsNotByLowest = false;
        for (std::size_t i = 1; i < low.size(); ++i) {
            const Census::GroupCount &before = expected[low[i - 1].group], &e = expected[low[i].group];
            EXPECT_TRUE(before.lowestCents < e.lowestCents ||
                        (before.lowestCents == e.lowestCents && low[i - 1].group < low[i].group))
                << c.what << ": " << index.groups()[low[i].group].prefix;
            lowOrderIsNotByHighest = lowOrderIsNotByHighest || before.highestCents > e.highestCents;
            const Census::GroupCount &higher = expected[high[i - 1].group], &h = expected[high[i].group];
            EXPECT_TRUE(higher.highestCents > h.highestCents ||
                        (higher.highestCents == h.highestCents && high[i - 1].group < high[i].group))
                << c.what << ": " << index.groups()[high[i].group].prefix;
            highOrderIsNotByLowest = highOrderIsNotByLowest || higher.lowestCents < h.lowestCents;
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
// that describe the configuration; counted on the states the enumeration reaches.
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
    };
    const std::vector<OrderableGroup> groups = orderableGroups();
    for (const auto& c : cases) {
        SearchQuery query;
        query[Attribute::Body] = valueNamed(index, Attribute::Body, c.body);
        if (c.model) query[Attribute::Model] = valueNamed(index, Attribute::Model, c.model);
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
        if (std::string_view(c.text) != "nothing-like-this") {
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
        {"", 0, 1'000'000'000'000, all},             // every price
        {"", {}, 0, 1},                              // the V-block series alone is listed at 0
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
    SearchQuery free;
    free.priceTo = Money{0};
    const SearchResult r = search.find(free);
    ASSERT_EQ(r.groups.size(), 1u);
    EXPECT_EQ(searchIndex().configuration(searchIndex().groups()[r.groups[0].group].first).partNumber,
              "-BMX2");
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
