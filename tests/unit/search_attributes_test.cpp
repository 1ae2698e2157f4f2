// What the search reads from the catalogue's texts and from the user's typing: actuator
// kinds, connection kinds and sizes, valve ratings; free-text words, price bounds, minimums.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "rules/catalogue/actuators.h"
#include "rules/catalogue/bodies.h"
#include "rules/catalogue/connections.h"
#include "rules/catalogue/other_models.h"
#include "rules/search/product_attributes.h"
#include "rules/search/search_index.h"
#include "rules/search/search_query.h"
#include "rules/search/search_text.h"
#include "tests/support/catalogue_facts.h"
#include "tests/support/configuration_census.h"

namespace {

using namespace tarvek;
using namespace tarvek::search;

TEST(SearchAttributes, EveryActuatorEntryHasItsKind) {
    for (const Actuator& a : kActuators) {
        const auto expected = tarvek::testing::kActuatorKinds.find(a.entry);
        ASSERT_NE(expected, tarvek::testing::kActuatorKinds.end()) << a.entry;
        EXPECT_EQ(actuatorKind(a.entry), expected->second) << a.entry;
    }
    for (const RegulatorRange& r : kRegulatorRanges) EXPECT_EQ(actuatorKind(r.entry), "") << r.entry;
    for (const Fitting& f : kFittings) EXPECT_EQ(actuatorKind(f.entry), "") << f.entry;
    for (const std::string_view other :
         {"", "-----  Other Available Models  -----", "--- Note: N375 relabeled as N22 ---"})
        EXPECT_EQ(actuatorKind(other), "") << other;
}

TEST(SearchAttributes, EveryConnectionEntryHasItsKindAndSize) {
    for (const Connection& c : kConnections) {
        const auto expected = tarvek::testing::kConnectionWords.find(c.entry);
        ASSERT_NE(expected, tarvek::testing::kConnectionWords.end()) << c.entry;
        const ConnectionNature nature = connectionNature(c.entry);
        EXPECT_EQ(nature.kind, expected->second.kind) << c.entry;
        EXPECT_EQ(nature.size, expected->second.size) << c.entry;
    }
    for (const std::string_view notAnEntry : {"", "T", "T - ", "Tube Stub, 1/4 inch", "X - nothing"}) {
        const ConnectionNature nature = connectionNature(notAnEntry);
        EXPECT_TRUE(nature.kind.empty() && nature.size.empty()) << notAnEntry;
    }
}

TEST(SearchAttributes, EveryValveNoteHasItsRating) {
    for (const tarvek::testing::facts::ValveOnSeries& valve : tarvek::testing::facts::kValvesOnSeries) {
        const auto expected = tarvek::testing::kValveNotes.find(valve.rating);
        ASSERT_NE(expected, tarvek::testing::kValveNotes.end()) << valve.rating;
        const ValveRating rating = valveRating(valve.rating);
        EXPECT_EQ(rating.cvThousandths, expected->second.cv) << valve.rating;
        EXPECT_EQ(rating.ratedPsig, expected->second.psig) << valve.rating;
    }
    // The series notes name the Cv alone; the very high pressure series the pressure too.
    const struct {
        std::string_view note;
        std::optional<int> cv, psig;
    } series[] = {{".23 Cv", 230, std::nullopt},    {".5 Cv", 500, std::nullopt},
                  {"1.0 Cv", 1000, std::nullopt},   {".16 Cv, 6200 psig", 160, 6200},
                  {"", std::nullopt, std::nullopt}, {"Cv, psig", std::nullopt, std::nullopt}};
    for (const auto& s : series) {
        EXPECT_EQ(valveRating(s.note).cvThousandths, s.cv) << s.note;
        EXPECT_EQ(valveRating(s.note).ratedPsig, s.psig) << s.note;
    }
}

// What the catalogue leaves unpriced, read from its tables as printed: the bodies and models
// that write a code at a price of "0" are the V-block series and the regulators' outlet ranges,
// which their series price. So the V-block series alone is priced on request.
TEST(SearchAttributes, OnlyTheVBlockSeriesIsPricedOnRequest) {
    namespace facts = tarvek::testing::facts;
    std::set<std::string_view> bodies, models;
    for (const facts::Written& b : facts::kBodies)
        if (*b.code && std::string_view(b.price) == "0") bodies.insert(b.entry);
    for (const facts::Written& m : facts::kModels)
        if (*m.code && std::string_view(m.price) == "0") models.insert(m.entry);
    EXPECT_EQ(bodies, (std::set<std::string_view>{"BMX2 - V-Block Series"}));
    EXPECT_EQ(models,
              (std::set<std::string_view>{"T403 - Vac to 30 Psig Outlet", "T406 - 5 to 60 Psig Outlet",
                                          "T410 - 20 to 100 Psig Outlet", "T415 - 20 to 150 Psig Outlet"}));
    const auto bodyPrice = [&](std::string_view entry) {
        for (const facts::Written& b : facts::kBodies)
            if (b.entry == entry) return std::string_view(b.price);
        return std::string_view();
    };
    std::size_t onRequest = 0;
    for (const IndexGroup& g : searchIndex().groups()) {
        EXPECT_EQ(g.priceOnRequest, bodies.contains(g.texts[1])) << g.prefix;
        if (models.contains(g.texts[2])) {
            EXPECT_EQ(bodyPrice(g.texts[1]), "540") << g.prefix;
        }
        onRequest += g.priceOnRequest;
    }
    EXPECT_EQ(onRequest, 1u);
}

TEST(SearchWords, SplitAtBlanksAndReadAsPartNumbersAndTexts) {
    const struct {
        std::string_view text;
        std::vector<std::string> partNumberForms;
    } cases[] = {
        {"", {}},
        {"   \t\n ", {}},
        {"a310", {"A310"}},
        {"  Male   face\tSEAL ", {"MALE", "FACE", "SEAL"}},
        {"mxfx MXFX MxFx", {"MXFX"}},           // one word, however written
        {"A310\xE2\x80\x93MX2", {"A310-MX2"}},  // an en dash is a hyphen
        {"1/4\xC2\xA0inch", {"1/4", "INCH"}},   // so is a no-break space a blank
        {"A\x01"
         "B\x1b[31m",
         {"A", "B", "[31M"}},          // control characters separate
        {"\xff\xfe(", {"\xff\xfe("}},  // broken UTF-8 stays, and matches nothing
    };
    for (const auto& c : cases) {
        std::vector<std::string> forms;
        for (const SearchWord& w : searchWords(c.text)) {
            forms.push_back(w.partNumberForm);
            EXPECT_EQ(w.textForm, lowerCase(w.partNumberForm));
        }
        EXPECT_EQ(forms, c.partNumberForms) << c.text;
    }
}

TEST(SearchWords, AreFoundAcrossThePiecesOfAPartNumber) {
    const struct {
        std::string_view word;
        std::vector<std::string_view> pieces;
        bool found;
    } cases[] = {
        {"MXFX", {"A310-MX2-2A", "-M", "X", "F", "X"}, true},
        {"2A-M", {"A310-MX2-2A", "-M"}, true},
        {"AAB", {"A", "A", "A", "B"}, true},  // a false start falls back, not over
        {"ABAB", {"ABA", "BA", "B"}, true},
        {"MXFX", {"A310-MX2-2A", "-M", "X", "T", "X"}, false},
        {"-VS", {"A310-MX2-2A-", "V", "S"}, true},
        {"", {"ANYTHING"}, false},
        {std::string_view("A\0B", 3), {"A", std::string_view("\0", 1), "B"}, true},
    };
    for (const auto& c : cases) {
        const WordFinder finder(c.word);
        WordFinder::State s = 0;
        for (const std::string_view piece : c.pieces) s = finder.feed(s, piece);
        EXPECT_EQ(s == finder.found(), c.found) << c.word;
    }
    const WordFinder tooLong(std::string(WordFinder::kLongest + 1, 'A'));
    EXPECT_NE(tooLong.feed(0, std::string(1000, 'A')), tooLong.found());
}

// Prices as they are written: "1,000", with commas between the thousands only.
TEST(SearchInput, PriceBoundsAreDollarsWithAtMostTwoDecimals) {
    const struct {
        std::string_view typed;
        bool valid;
        std::optional<std::int64_t> cents;
    } cases[] = {
        {"", true, std::nullopt},
        {"   ", true, std::nullopt},
        {"250", true, 25000},
        {" $99.50 ", true, 9950},
        {"$ 7.5", true, 750},
        {"1200.", true, 120000},
        {".5", true, 50},
        {"0", true, 0},
        {"99999999999999999999999", true, 1'000'000'000'000},  // beyond any price, not wrapped round
        {"abc", false, std::nullopt},
        {"25O", false, std::nullopt},
        {"1,000", true, 100000},
        {"$1,234.50", true, 123450},
        {" 12,345,678 ", true, 1'234'567'800},
        {"1,5", false, std::nullopt},
        {"1,20", false, std::nullopt},
        {",100", false, std::nullopt},
        {"1,000,", false, std::nullopt},
        {"1000,000", false, std::nullopt},
        {"1,,000", false, std::nullopt},
        {"1.2,3", false, std::nullopt},
        {"1.000,50", false, std::nullopt},
        {"-5", false, std::nullopt},
        {"9.999", false, std::nullopt},
        {"1.2.3", false, std::nullopt},
        {"$", false, std::nullopt},
        {".", false, std::nullopt},
        {"\xff", false, std::nullopt},
    };
    for (const auto& c : cases) {
        const PriceBound bound = readPriceBound(c.typed);
        EXPECT_EQ(bound.valid, c.valid) << c.typed;
        EXPECT_EQ(bound.amount ? std::optional(bound.amount->cents) : std::nullopt, c.cents) << c.typed;
    }
}

// The widths people write: every comma three digits from the next or from the period.
TEST(SearchInput, PricesWithCommasBetweenThousandsAtEveryWidth) {
    const struct {
        std::string_view typed;
        std::optional<std::int64_t> cents;  // none: not a price
    } cases[] = {
        {"1,000", 1'000'00},          {"10,000", 10'000'00},          {"100,000", 100'000'00},
        {"1,000,000", 1'000'000'00},  {"1,234,567.50", 1'234'567'50}, {"$1,234,567.5", 1'234'567'50},
        {"$ 999,999.99", 999'999'99}, {"1,00", std::nullopt},         {"10,0000", std::nullopt},
        {"100,00", std::nullopt},     {"1,0000", std::nullopt},       {"1,000,00", std::nullopt},
        {"1,00,000", std::nullopt},  // grouped in twos after the first three, as some write lakhs
        {"1,000,0000", std::nullopt}, {"1234,567", std::nullopt},     {"1,234,56.50", std::nullopt},
        {"1 000", std::nullopt},  // a blank or an apostrophe between thousands is not ours
        {"1'000", std::nullopt},      {"1.000", std::nullopt},  // a period between thousands: a third decimal
        {"1,000.5,0", std::nullopt},
    };
    for (const auto& c : cases) {
        const PriceBound bound = readPriceBound(c.typed);
        EXPECT_EQ(bound.valid, c.cents.has_value()) << c.typed;
        EXPECT_EQ(bound.amount ? std::optional(bound.amount->cents) : std::nullopt, c.cents) << c.typed;
    }
    // Every way of putting commas among the digits of 1 to 1234567890: only none, or one
    // before every third digit from the right, is a price.
    const std::string digits = "1234567890";
    for (std::size_t width = 1; width <= digits.size(); ++width) {
        const std::string number = digits.substr(0, width);
        const std::int64_t cents = std::stoll(number) * 100;
        for (unsigned commas = 0; commas < (1u << (width - 1)); ++commas) {
            std::string typed;
            bool byThousands = true;
            for (std::size_t i = 0; i < width; ++i) {
                typed += number[i];
                const std::size_t gap = i;  // between digit i and i + 1
                if (gap + 1 == width) break;
                const bool comma = (commas >> gap) & 1u;
                if (comma) typed += ',';
                byThousands = byThousands && comma == ((width - 1 - gap) % 3 == 0);
            }
            const bool isPrice = commas == 0 || byThousands;
            for (const std::string& written : {typed, typed + ".50", "$" + typed}) {
                const PriceBound bound = readPriceBound(written);
                const std::int64_t expected = cents + (written.ends_with(".50") ? 50 : 0);
                EXPECT_EQ(bound.valid, isPrice) << written;
                EXPECT_EQ(bound.amount ? std::optional(bound.amount->cents) : std::nullopt,
                          isPrice ? std::optional(expected) : std::nullopt)
                    << written;
            }
        }
    }
}

// A Cv a flow needs is asked as it is: 450.5 slm of nitrogen from 100 to 20 psig at 70 F
// needs 0.2304, which the valves rated .23 Cv do not reach; the text gives the digits that
// matter, never asking less than the minimum; a computed Cv's last bits are noise.
TEST(SearchInput, MinimumsAreReachedOnlyByWhatTrulyReachesThem) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const double nothing : {0.0, -1.0, nan, infinity}) EXPECT_EQ(cvMinimum(nothing), std::nullopt);
    EXPECT_EQ(cvMinimum(0.230384), 0.230384);
    const struct {
        double cv;
        const char* text;
        bool reachedBy230, reachedBy400;
    } cvs[] = {
        {0.230384, "0.2304", false, true},    {0.23, "0.23", true, true},
        {0.2300000001, "0.23", true, true},   {0.2301, "0.2301", false, true},
        {0.99998, "1", false, false},         {0.0123401, "0.01235", true, true},
        {0.01234, "0.01234", true, true},     {1.5, "1.5", false, false},
        {12.3456, "12.346", false, false},    {0.4, "0.4", false, true},
        {0.40000001, "0.4001", false, false},
    };
    for (const auto& c : cvs) {
        EXPECT_EQ(cvMinimumText(c.cv), c.text) << c.cv;
        EXPECT_EQ(reaches(230, c.cv), c.reachedBy230) << c.cv;
        EXPECT_EQ(reaches(400, c.cv), c.reachedBy400) << c.cv;
    }
    EXPECT_TRUE(reaches(1000, 0.99998));
    const struct {
        double psig;
        std::optional<int> threshold;
    } pressures[] = {{100, 100},        {99.5, 100},           {250, 250},
                     {0, std::nullopt}, {-14.7, std::nullopt}, {1e300, 1'000'000'000}};
    for (const auto& p : pressures) EXPECT_EQ(pressureThreshold(p.psig), p.threshold) << p.psig;
}

}  // namespace
