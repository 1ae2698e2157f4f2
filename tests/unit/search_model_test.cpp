// Find by Requirement as a model: every count its lists show, "Any" rows included, is what
// choosing or adding that entry would leave, by a brute-force count over every configuration;
// lists take several entries; the Cv a flow needs is asked exactly; its texts read right.
#include "rules/search/search_model.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/configurator/pricing.h"
#include "rules/search/result_order.h"
#include "tests/support/configuration_census.h"
#include "tests/support/search_requirements.h"

namespace {

using namespace tarvek;
using namespace tarvek::search;
using tarvek::testing::AnyOf;
using tarvek::testing::Census;
using tarvek::testing::census;
using tarvek::testing::Requirement;

class SearchModelTest : public ::testing::Test {
  protected:
    SearchModel m{searchIndex()};

    const FilterListState& list(Attribute a) { return m.state().lists[std::size_t(a)]; }
    std::size_t row(Attribute a, std::string_view name) {
        const auto& rows = list(a).rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].name == name) return r;
        ADD_FAILURE() << "no entry " << name;
        return 0;
    }
    void choose(Attribute a, std::string_view name) { m.chooseRow(a, row(a, name)); }
    void toggle(Attribute a, std::string_view name) { m.toggleRow(a, row(a, name)); }
    Requirement requirement() { return tarvek::testing::requirementOf(searchIndex(), m.state().query); }

    // Every row of every list against the brute force: "Any" leaves the list to any, an entry
    // is added to those chosen, a minimum is the least rating asked.
    void expectEveryCountExact(const std::string& what) {
        const Requirement r = requirement();
        EXPECT_EQ(m.state().result.total, census().count(r)) << what;
        for (std::size_t a = 0; a < kAttributeCount; ++a) {
            const auto attribute = Attribute(a);
            const std::vector<ListRow>& rows = list(attribute).rows;
            EXPECT_EQ(rows[0].count, census().count(tarvek::testing::without(r, attribute)))
                << what << ": Any of list " << a;
            for (std::size_t i = 1; i < rows.size(); ++i) {
                Requirement asked = r;
                if (attribute == Attribute::Cv)
                    asked.cvAtLeast = std::stod(rows[i].name);
                else if (attribute == Attribute::RatedPressure)
                    asked.psigAtLeast = std::stoi(rows[i].name);
                else
                    asked = tarvek::testing::with(r, searchIndex(), attribute, i - 1);
                EXPECT_EQ(rows[i].count, census().count(asked)) << what << ": " << rows[i].name;
                EXPECT_EQ(rows[i].enabled, rows[i].count > 0 || rows[i].chosen) << rows[i].name;
            }
        }
    }
};

// The issue's own case: with the connection kind "Male Face Seal", the size list's "Any" showed
// every configuration (1,857,542) where 1,301,405 are left; with an actuator too, 176,219
// where 123,735 are.
TEST_F(SearchModelTest, AnyCountsWhatLeavingTheListToAnyLeaves) {
    choose(Attribute::ConnectionKind, "Male Face Seal");
    EXPECT_EQ(list(Attribute::ConnectionSize).rows[0].count, 1'301'405u);
    EXPECT_EQ(list(Attribute::ConnectionKind).rows[0].count, 1'857'542u);
    choose(Attribute::Actuator, "Air-operated, normally closed");
    EXPECT_EQ(list(Attribute::ConnectionSize).rows[0].count, 123'735u);
    choose(Attribute::ConnectionSize, "1/2 inch");
    m.chooseScope(ConnectionScope::EveryPort);
    m.chooseStandardOnly(true);
    m.typePriceTo("1,000");
    expectEveryCountExact("male face seals of 1/2 inch on every port, air-operated, standard, up to $1,000");
}

// "1/4 inch male face seals" on every end of a standard, normally closed air-operated valve up
// to $400 missed the fixed male face seals; adding them, or choosing "Any male face seal", takes
// in four more valves, the cheapest of all A310-MX2-2A-VXVX at $290 (110 + 140 + 2 x 20).
TEST_F(SearchModelTest, AListTakesSeveralEntries) {
    choose(Attribute::ProductType, "Diaphragm Valves");
    choose(Attribute::Actuator, "Air-operated, normally closed");
    choose(Attribute::ConnectionKind, "Male Face Seal");
    choose(Attribute::ConnectionSize, "1/4 inch");
    m.chooseScope(ConnectionScope::EveryPort);
    m.chooseStandardOnly(true);
    m.typePriceTo("400");
    const std::uint64_t maleOnly = m.state().result.total;
    const std::uint64_t withFixed =
        list(Attribute::ConnectionKind).rows[row(Attribute::ConnectionKind, "Fixed Male Face Seal")].count;
    EXPECT_EQ(
        list(Attribute::ConnectionKind).rows[row(Attribute::ConnectionKind, "Any male face seal")].count,
        withFixed);
    EXPECT_EQ(withFixed, maleOnly + 4);

    toggle(Attribute::ConnectionKind, "Fixed Male Face Seal");
    EXPECT_EQ(m.state().result.total, withFixed);
    // Both chosen are the family: the list shows it as the choice.
    const FilterListState& kinds = list(Attribute::ConnectionKind);
    ASSERT_TRUE(kinds.current.has_value());
    EXPECT_EQ(kinds.rows[*kinds.current].name, "Any male face seal");
    EXPECT_TRUE(kinds.rows[row(Attribute::ConnectionKind, "Male Face Seal")].chosen);
    EXPECT_FALSE(kinds.rows[0].chosen);
    expectEveryCountExact("either male face seal");
    std::vector<GroupMatch> groups = m.state().result.groups;
    sortGroups(searchIndex(), groups, ResultOrder::PriceLowFirst);
    ASSERT_FALSE(groups.empty());
    std::vector<ConfigurationId> cheapest = m.search().configurations(m.state().query, groups[0].group);
    sortConfigurations(searchIndex(), cheapest, ResultOrder::PriceLowFirst);
    EXPECT_EQ(searchIndex().configuration(cheapest.front()).partNumber, "A310-MX2-2A-VXVX");
    EXPECT_EQ(searchIndex().configuration(cheapest.front()).listPrice, Money{29000});

    // A third kind: no row is the whole choice; the list says which.
    toggle(Attribute::ConnectionKind, "Tube Stub");
    EXPECT_FALSE(list(Attribute::ConnectionKind).current.has_value());
    EXPECT_EQ(list(Attribute::ConnectionKind).chosenText,
              "Tube Stub or Male Face Seal or Fixed Male Face Seal");
    expectEveryCountExact("three kinds");
    // Taken away again, one by one; choosing an entry alone drops the others.
    toggle(Attribute::ConnectionKind, "Tube Stub");
    toggle(Attribute::ConnectionKind, "Any male face seal");
    EXPECT_EQ(list(Attribute::ConnectionKind).current, 0u);
    EXPECT_EQ(m.state().result.total, list(Attribute::ConnectionKind).rows[0].count);
    toggle(Attribute::Body, "MX1 - Miniature Series");
    toggle(Attribute::Body, "MX3 - High Flow Series");
    choose(Attribute::Body, "MX2 - Standard Series");
    EXPECT_EQ(list(Attribute::Body).chosenText, "MX2 - Standard Series");
    EXPECT_EQ(m.state().query[Attribute::Body].size(), 1u);
}

// Valves for this Flow: 450.5 slm of nitrogen from 100 to 20 psig needs Cv 0.2304 (shown cut
// down as 0.23); the search asks for that and says so, and offers no valve rated .23 Cv, which
// passes only 449.7 slm.
TEST_F(SearchModelTest, ValvesForAFlowAskTheExactCv) {
    const double needed = 0.2303843;
    m.typeWords("A310");
    m.findValves(needed, 100);
    EXPECT_EQ(m.state().words, "");
    const FilterListState& cv = list(Attribute::Cv);
    ASSERT_TRUE(cv.current.has_value());
    EXPECT_EQ(cv.rows[*cv.current].name, "0.2304");
    EXPECT_EQ(cv.chosenText, "0.2304");
    EXPECT_EQ(m.state().query.cvAtLeast, needed);
    const FilterListState& psig = list(Attribute::RatedPressure);
    EXPECT_EQ(psig.rows[*psig.current].name, "100 psig");
    for (const GroupMatch& g : m.state().result.groups)
        EXPECT_NE(searchIndex().values(
                      Attribute::Cv)[searchIndex().groups()[g.group].values[std::size_t(Attribute::Cv)]],
                  "0.23");
    Requirement r;
    r.cvAtLeast = 0.4;  // the next rating above 0.2304
    r.psigAtLeast = 100;
    EXPECT_EQ(m.state().result.total, census().count(r));
    expectEveryCountExact("Cv 0.2304, 100 psig");
    // A minimum the catalogue rates at takes its row; another flow replaces the row of the last.
    m.findValves(0.99998, 250);
    EXPECT_EQ(list(Attribute::Cv).rows[*list(Attribute::Cv).current].name, "1");
    EXPECT_EQ(list(Attribute::Cv).rows.size(), searchIndex().entries(Attribute::Cv).size() + 1);
    EXPECT_EQ(list(Attribute::RatedPressure).rows[*list(Attribute::RatedPressure).current].name, "250 psig");
}

// The search's texts: a singular is singular, prices are typed as they are written, and a
// valve's rating is found as the catalogue writes it and with its leading zero.
TEST_F(SearchModelTest, TextsReadRight) {
    EXPECT_EQ(m.state().found, "1,857,542 configurations in 521 groups");
    m.typeWords("A310-MX2-2A-MXFX-VS");
    EXPECT_EQ(m.state().found, "1 configuration in 1 group");
    m.typeWords("A310-MX2-2A-MXFX-VS-");  // none is that long
    EXPECT_EQ(m.state().found, "No configuration meets every filter.");
    EXPECT_EQ(m.state().notes, std::vector<std::string>{"Choose \u201cAny\u201d in a filter to see more."});
    m.typeWords("KL-01");  // the check valve and its three seals
    EXPECT_EQ(m.state().found, "3 configurations in 1 group");

    m.clear();
    m.typePriceFrom("1,000");
    m.typePriceTo("$1,200.50");
    EXPECT_TRUE(m.state().notes.empty());
    EXPECT_EQ(m.state().query.priceFrom, Money{100000});
    EXPECT_EQ(m.state().query.priceTo, Money{120050});
    Requirement r;
    r.fromCents = 100000;
    r.toCents = 120050;
    EXPECT_EQ(m.state().result.total, census().count(r));
    m.typePriceTo("1,2");
    EXPECT_EQ(m.state().notes,
              std::vector<std::string>{
                  "\u201c1,2\u201d is not a price: type US dollars, such as 250, 1,200 or 99.50."});

    // The valves rated .23 Cv, whichever way the number is typed.
    m.clear();
    Requirement atLeast23, atLeast40;
    atLeast23.cvAtLeast = 0.23;
    atLeast40.cvAtLeast = 0.4;  // the next rating
    const std::uint64_t rated23 = census().count(atLeast23) - census().count(atLeast40);
    for (const char* word : {".23", "0.23", "0.23 cv"}) {
        m.typeWords(word);
        EXPECT_EQ(m.state().result.total, rated23) << word;
    }
    m.typeWords(std::string(300, 'x'));
    EXPECT_EQ(m.state().query.text.size(), 200u);
    EXPECT_EQ(m.state().notes.front(), "Only the first 200 characters of the words are searched.");
}

// Dollars as people write them: "$1,234.50".
std::string writtenPrice(std::int64_t cents) {
    std::string whole = std::to_string(cents / 100);
    for (std::size_t at = whole.size(); at > 3; at -= 3) whole.insert(at - 3, ",");
    const std::string fraction = std::to_string(100 + cents % 100).substr(1);
    return "$" + whole + "." + fraction;
}

// Price bounds typed with commas between thousands, at every width, keep what the catalogue's
// prices put within them; a bound with a comma out of place is no bound, and is said so.
TEST_F(SearchModelTest, PriceBoundsWrittenWithThousandsKeepTheCataloguesPrices) {
    std::int64_t dearest = 0;
    for (const Census::GroupCount& g : census().countByGroup({})) dearest = std::max(dearest, g.highestCents);
    ASSERT_GE(dearest, 1'000'00);  // its price has a comma
    const struct {
        std::string from, to;
        std::optional<std::int64_t> fromCents, toCents;
    } bounds[] = {
        {writtenPrice(dearest), writtenPrice(dearest), dearest, dearest},
        {"1,000", "", 1'000'00, std::nullopt},
        {"", "1,000", std::nullopt, 1'000'00},
        {"1,234.5", "10,000", 1'234'50, 10'000'00},
        {"100,000", "1,234,567.50", 100'000'00, 1'234'567'50},
        {"", "100,000", std::nullopt, 100'000'00},
    };
    for (const auto& b : bounds) {
        const std::string what = b.from + " to " + b.to;
        m.clear();
        m.typePriceFrom(b.from);
        m.typePriceTo(b.to);
        for (const std::string& note : m.state().notes)
            EXPECT_EQ(note.find("not a price"), std::string::npos) << what;
        EXPECT_EQ(m.state().query.priceFrom, b.fromCents ? std::optional(Money{*b.fromCents}) : std::nullopt)
            << what;
        EXPECT_EQ(m.state().query.priceTo, b.toCents ? std::optional(Money{*b.toCents}) : std::nullopt)
            << what;
        Requirement r;
        r.fromCents = b.fromCents;
        r.toCents = b.toCents;
        EXPECT_EQ(m.state().result.total, census().count(r)) << what;
    }
    EXPECT_GT(census().count({.fromCents = dearest, .toCents = dearest}), 0u);
    for (const char* typed : {"1,00", "10,0000", "1,000,00", "1 000"}) {
        m.clear();
        m.typePriceTo(typed);
        EXPECT_EQ(m.state().notes, std::vector<std::string>{"\u201c" + std::string(typed) +
                                                            "\u201d is not a price: type US dollars, such as "
                                                            "250, 1,200 or 99.50."})
            << typed;
        EXPECT_EQ(m.state().query.priceTo, std::nullopt) << typed;
        EXPECT_EQ(m.state().result.total, census().size()) << typed;
    }
}

// The V-block series has no price in the catalogue: the price range's lowest is a real price,
// and a bound leaves the series out.
TEST_F(SearchModelTest, APriceOnRequestIsNoPrice) {
    EXPECT_EQ(m.state().lowestPrice, "4.02");
    m.typeWords("BMX2");
    EXPECT_EQ(m.state().result.total, 1u);
    EXPECT_EQ(m.state().lowestPrice, "");
    m.typePriceTo("400");
    EXPECT_EQ(m.state().result.total, 0u);
}

}  // namespace
