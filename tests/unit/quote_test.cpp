// The quote of a configuration: which lines it holds, its prices or none, the non-standard
// warning, and its plain-text and HTML forms. The window's clipboard test spells out the
// quotes of a regulator, a fitting and a non-standard valve.
#include <gtest/gtest.h>

#include <cmath>

#include "rules/numbers/number_text.h"
#include "rules/quotes/quote_text.h"
#include "tests/support/cascade_walk.h"
#include "tests/support/model_driver.h"
#include "tests/support/quote_configurations.h"

namespace {

using namespace tarvek;
using namespace tarvek::testing;

using Lines = std::vector<std::pair<std::string, std::string>>;

Lines linesOf(const std::vector<QuoteLine>& lines) {
    Lines result;
    for (const QuoteLine& line : lines) result.emplace_back(line.caption, line.text);
    return result;
}

const Lines kTypicalValveLines = {
    {"Product Type", "Diaphragm Valves"},
    {"Body Type", "MX2 - Standard Series"},
    {"Model / Series", "J310 --- Manual, Tee Knob, LOTO"},
    {"Porting Style", "2A"},
    {"Connection 1", "M - Male Face Seal, 1/4 inch"},
    {"Connection 3", "F - Female Face Seal, 1/4 inch"},
    {"Seat / Seal", "VS - Vespel Seat"},
    {"Handle Color", "BK - Black"},
    {"Lever Handle", "LS - Lever Handle"},
};

TEST(Quote, LinesOfEachKindOfConfiguration) {
    struct Case {
        const char* name;
        std::vector<UserStep> steps;
        const char* discount;
        std::string partNumber;
        Lines description;
        Lines prices;
        std::vector<std::string> reasons;
        std::string picture;
    };
    const Lines valvePrices = {
        {"List Price US$", "367.5"}, {"Discount %", "10"}, {"Net Price US$", "330.75"}};
    const Case cases[] = {
        {"typical valve",
         kTypicalValveSteps,
         "10",
         "J310-MX2-2A-MXFX-VS-BK-LS",
         kTypicalValveLines,
         valvePrices,
         {},
         "J310 Stubby Knob.jpg"},
        {"non-standard valve: the standard seat is part of it",
         kNonStandardSteps,
         "0",
         "A310-MX2-2A-VXTX",
         {{"Product Type", "Diaphragm Valves"},
          {"Body Type", "MX2 - Standard Series"},
          {"Model / Series", "A310 --- Air-Op N.C., Low Pressure"},
          {"Porting Style", "2A"},
          {"Connection 1", "V - Fixed Male Face Seal, 1/4 inch"},
          {"Connection 3", "T - Tube Stub, 1/4 inch"},
          {"Seat / Seal", "PCTFE (standard seat)"}},
         {{"List Price US$", "270"}, {"Discount %", "0"}, {"Net Price US$", "270"}},
         {"Connection 1: \"V - Fixed Male Face Seal, 1/4 inch\" is standard only with the same in connection "
          "3"},
         "2A.wmf"},
        {"a heading of the model list names no model",
         kModelHeadingSteps,
         "0",
         "-MX2",
         {{"Product Type", "Diaphragm Valves"}, {"Body Type", "MX2 - Standard Series"}},
         {{"List Price US$", "140"}, {"Discount %", "0"}, {"Net Price US$", "140"}},
         {},
         ""},
        {"the Vespel seat fixed by the model, its frame closed",
         {{List::ProductType, "Diaphragm Valves"},
          {List::Body, "HMX2 - Very High Pressure Series"},
          {List::Model, "A375 --- Air-Op N.C., Very High Pressire."}},
         "0",
         "A375-HMX2-VS",
         {{"Product Type", "Diaphragm Valves"},
          {"Body Type", "HMX2 - Very High Pressure Series"},
          {"Model / Series", "A375 --- Air-Op N.C., Very High Pressire."},
          {"Seat / Seal", "VS - Vespel Seat"}},
         {{"List Price US$", "670"}, {"Discount %", "0"}, {"Net Price US$", "670"}},
         {},
         "A375-HMX2-2A.jpg"},
        {"the discount as it was read: blanks and a percent sign",
         kFittingSteps,
         " 1 0 %",
         "1-4-VC-1",
         {{"Product Type", "Fittings"}, {"Body Type", "Compart Nuts"}, {"Model / Series", "1/4 inch Female"}},
         {{"List Price US$", "4.51"}, {"Discount %", "10"}, {"Net Price US$", "4.06"}},
         {},
         "Nut - Female.jpg"},
        {"a discount beyond the number range leaves out what it cannot state",
         kFittingSteps,
         "1e400",
         "1-4-VC-1",
         {{"Product Type", "Fittings"}, {"Body Type", "Compart Nuts"}, {"Model / Series", "1/4 inch Female"}},
         {{"List Price US$", "4.51"}},
         {},
         "Nut - Female.jpg"},
    };
    for (const Case& c : cases) {
        ModelDriver d;
        takeSteps(d, c.steps);
        d.model.typeDiscount(c.discount);
        ASSERT_TRUE(canQuote(d.state())) << c.name;
        const Quote quote = quoteOf(d.state());
        EXPECT_EQ(quote.partNumber, c.partNumber) << c.name;
        EXPECT_EQ(linesOf(quote.description), c.description) << c.name;
        EXPECT_EQ(linesOf(quote.prices), c.prices) << c.name;
        EXPECT_EQ(quote.nonStandard, !c.reasons.empty()) << c.name;
        EXPECT_EQ(quote.nonStandardReasons, c.reasons) << c.name;
        EXPECT_EQ(quote.picture, c.picture) << c.name;
    }
}

TEST(Quote, PricesHiddenByTheBrandPictureAreLeftOut) {
    ModelDriver d;
    takeSteps(d, kTypicalValveSteps);
    d.model.typeDiscount("10");
    d.model.togglePrices();
    const Quote quote = quoteOf(d.state());
    EXPECT_TRUE(quote.prices.empty());
    EXPECT_EQ(linesOf(quote.description), kTypicalValveLines);
    EXPECT_EQ(quotePlainText(quote).find("US$"), std::string::npos);
    EXPECT_EQ(quoteHtml(quote).find("US$"), std::string::npos);
    d.model.togglePrices();
    EXPECT_EQ(quoteOf(d.state()).prices.size(), 3u);
}

TEST(Quote, NothingToQuoteBeforeAPartNumber) {
    const std::vector<std::vector<UserStep>> starts = {
        {},
        {{List::ProductType, "Diaphragm Valves"}},
        {{List::ProductType, "--------------------------"}},
        {{List::ProductType, "Fittings"}, {List::Body, "Compart Nuts"}},  // fittings have no body segment
    };
    for (const auto& steps : starts) {
        ModelDriver d;
        takeSteps(d, steps);
        EXPECT_FALSE(canQuote(d.state())) << steps.size();
    }
}

TEST(QuoteText, TheTypicalValveAsPlainTextAndAsATable) {
    ModelDriver d;
    takeSteps(d, kTypicalValveSteps);
    d.model.typeDiscount("10");
    const Quote quote = quoteOf(d.state());
    EXPECT_EQ(quotePlainText(quote),
              "Part Number: J310-MX2-2A-MXFX-VS-BK-LS\n"
              "\n"
              "Product Type: Diaphragm Valves\n"
              "Body Type: MX2 - Standard Series\n"
              "Model / Series: J310 --- Manual, Tee Knob, LOTO\n"
              "Porting Style: 2A\n"
              "Connection 1: M - Male Face Seal, 1/4 inch\n"
              "Connection 3: F - Female Face Seal, 1/4 inch\n"
              "Seat / Seal: VS - Vespel Seat\n"
              "Handle Color: BK - Black\n"
              "Lever Handle: LS - Lever Handle\n"
              "\n"
              "List Price US$: 367.5\n"
              "Discount %: 10\n"
              "Net Price US$: 330.75\n"
              "\n"
              "2013 Tarvek Products Catalog (130205)\n");
    EXPECT_EQ(
        quoteHtml(quote),
        "<table>\n"
        "<tr><th style=\"text-align:left\">Part Number</th><td><b>J310-MX2-2A-MXFX-VS-BK-LS</b></td></tr>\n"
        "<tr><th style=\"text-align:left\">Product Type</th><td>Diaphragm Valves</td></tr>\n"
        "<tr><th style=\"text-align:left\">Body Type</th><td>MX2 - Standard Series</td></tr>\n"
        "<tr><th style=\"text-align:left\">Model / Series</th><td>J310 --- Manual, Tee Knob, LOTO</td></tr>\n"
        "<tr><th style=\"text-align:left\">Porting Style</th><td>2A</td></tr>\n"
        "<tr><th style=\"text-align:left\">Connection 1</th><td>M - Male Face Seal, 1/4 inch</td></tr>\n"
        "<tr><th style=\"text-align:left\">Connection 3</th><td>F - Female Face Seal, 1/4 inch</td></tr>\n"
        "<tr><th style=\"text-align:left\">Seat / Seal</th><td>VS - Vespel Seat</td></tr>\n"
        "<tr><th style=\"text-align:left\">Handle Color</th><td>BK - Black</td></tr>\n"
        "<tr><th style=\"text-align:left\">Lever Handle</th><td>LS - Lever Handle</td></tr>\n"
        "<tr><th style=\"text-align:left\">List Price US$</th><td>367.5</td></tr>\n"
        "<tr><th style=\"text-align:left\">Discount %</th><td>10</td></tr>\n"
        "<tr><th style=\"text-align:left\">Net Price US$</th><td>330.75</td></tr>\n"
        "<tr><td colspan=\"2\" style=\"font-style:italic\">2013 Tarvek Products Catalog (130205)</td></tr>\n"
        "</table>\n");
}

TEST(QuoteText, HtmlEscapesWhatItQuotes) {
    Quote quote;
    quote.partNumber = "A&B";
    quote.description = {{"Model / Series", "<b>\"x\"</b>"}};
    const std::string html = quoteHtml(quote);
    EXPECT_NE(html.find("<b>A&amp;B</b>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td>&lt;b&gt;&quot;x&quot;&lt;/b&gt;</td>"), std::string::npos) << html;
}

// Over every configuration a user can make, with prices shown and hidden and with a discount
// no price survives: a quote exactly when there is a part number, prices that are numbers,
// and no heading or blank line among the description.
TEST(QuoteWalk, EveryConfigurationGivesASoundQuote) {
    struct Setting {
        const char* discount;
        bool hidePrices;
        std::size_t priceLines;
    };
    for (const Setting setting :
         {Setting{"10", false, 3}, Setting{"1e400", false, 1}, Setting{"5", true, 0}}) {
        Configurator model;
        model.typeDiscount(setting.discount);
        if (setting.hidePrices) model.togglePrices();
        CascadeWalk walk(ModelControls{&model});
        long quotes = 0;
        walk.afterClick = [&](const Click& click) {
            const ConfiguratorState& s = model.state();
            if (::testing::Test::HasFatalFailure() || !canQuote(s)) return;
            ++quotes;
            const Quote quote = quoteOf(s);
            ASSERT_EQ(quote.prices.size(), setting.priceLines) << int(click.list) << ' ' << click.entry;
            for (const QuoteLine& price : quote.prices) {
                const double value = leadingNumber(price.text);
                ASSERT_TRUE(std::isfinite(value) && numberText(value) == price.text) << price.text;
            }
            for (const QuoteLine& line : quote.description)
                ASSERT_TRUE(!line.text.empty() && !line.text.starts_with("---"))
                    << int(click.list) << ' ' << click.entry;
            ASSERT_EQ(quote.nonStandardReasons.empty(), !s.nonStandardBanner) << s.partNumber;
            ASSERT_EQ(quotePlainText(quote).rfind("Part Number: " + s.partNumber + "\n", 0), 0u);
        };
        walk.run();
        EXPECT_GT(quotes, 1000) << setting.discount;
    }
}

}  // namespace
