// A quotation's arithmetic: the catalogue's net-price rule per piece, exact cents per line and
// in the totals; discounts, quantities and header texts as typed; money and dates as the quote
// shows them.
#include "rules/quotes/quotation.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace tarvek;

TEST(Quotation, LinePriceFollowsTheNetPriceRuleAndMultipliesExactly) {
    struct Case {
        std::int64_t listCents;
        int quantity;
        std::optional<Percent> own, overall;
        std::int64_t discount, unitNet, extended;
    };
    // The worked examples of the catalogue: 350 less 10 % is 315, 140 less 34 % is 92.40,
    // 99.99 less 10 % is 89.99 (89.991 cut down), 367.5 less 10 % is 330.75.
    const Case cases[] = {
        {350'00, 3, Percent{10'00}, std::nullopt, 10'00, 315'00, 945'00},
        {140'00, 1, Percent{34'00}, std::nullopt, 34'00, 92'40, 92'40},
        {99'99, 1'000'000, Percent{10'00}, std::nullopt, 10'00, 89'99, 8'999'000'000},
        {367'50, 2, std::nullopt, Percent{10'00}, 10'00, 330'75, 661'50},
        {367'50, 2, Percent{0}, Percent{10'00}, 0, 367'50, 735'00},  // its own 0 % wins
        {140'00, 5, std::nullopt, std::nullopt, 0, 140'00, 700'00},
        {140'00, 1, Percent{12'50}, std::nullopt, 12'50, 122'50, 122'50},
        {4'51, 7, Percent{33'33}, std::nullopt, 33'33, 3'00, 21'00},  // 3.0067… cut to 3.00
        {140'00, 1, Percent{100'00}, std::nullopt, 100'00, 0, 0},
    };
    for (const Case& c : cases) {
        QuotationLine line;
        line.listPrice = {c.listCents};
        line.quantity = c.quantity;
        line.discount = c.own;
        const LinePrice price = linePrice(line, c.overall);
        EXPECT_EQ(price.discount.hundredths, c.discount) << c.listCents;
        EXPECT_EQ(price.unitNet.cents, c.unitNet) << c.listCents;
        EXPECT_EQ(price.extended.cents, c.extended) << c.listCents;
    }
}

TEST(Quotation, TotalsAddTheLines) {
    Quotation q;
    q.header.discount = Percent{10'00};
    q.lines.resize(3);
    q.lines[0].listPrice = {350'00};
    q.lines[0].quantity = 2;  // 315 each
    q.lines[1].listPrice = {140'00};
    q.lines[1].discount = Percent{34'00};  // 92.40
    q.lines[2].listPrice = {99'99};
    q.lines[2].quantity = 3;  // 89.99 each
    const QuotationTotals totals = totalsOf(q);
    EXPECT_EQ(totals.subtotal.cents, 700'00 + 140'00 + 299'97);
    EXPECT_EQ(totals.total.cents, 630'00 + 92'40 + 269'97);
    EXPECT_EQ(totals.pieces, 6);
}

TEST(Quotation, DiscountsAsTyped) {
    const struct {
        const char* typed;
        std::optional<int> hundredths;
    } cases[] = {
        {"10", 10'00},      {"12.5", 12'50}, {" 12,5 % ", 12'50},
        {"0", 0},           {"100", 100'00}, {"0.25", 25},
        {"100.00", 100'00}, {"100.01", {}},  {"101", {}},
        {"-5", {}},         {"", {}},        {"abc", {}},
        {"1.234", {}},      {"10.", {}},     {".5", 50},
        {"1e2", {}},        {"10 %%", {}},   {"99999999999999999999", {}},
    };
    for (const auto& c : cases) {
        std::string problem;
        const std::optional<Percent> parsed = parsePercent(c.typed, &problem);
        ASSERT_EQ(parsed.has_value(), c.hundredths.has_value()) << c.typed;
        if (parsed) {
            EXPECT_EQ(parsed->hundredths, *c.hundredths) << c.typed;
        } else {
            EXPECT_FALSE(problem.empty()) << c.typed;
        }
    }
}

TEST(Quotation, QuantitiesAsTyped) {
    const struct {
        const char* typed;
        std::optional<int> quantity;
    } cases[] = {
        {"1", 1},
        {" 25 ", 25},
        {"1000000", 1'000'000},
        {"1000001", {}},
        {"0", {}},
        {"-1", {}},
        {"2.5", {}},
        {"", {}},
        {"1,000", {}},
        {"99999999999999999999", {}},
        {"007", 7},
    };
    for (const auto& c : cases) {
        std::string problem;
        const std::optional<int> parsed = parseQuantity(c.typed, &problem);
        EXPECT_EQ(parsed, c.quantity) << c.typed;
        if (!parsed) {
            EXPECT_EQ(problem, "a quantity is a whole number from 1 to 1,000,000") << c.typed;
        }
    }
}

TEST(Quotation, TextsOfMoneyPercentsAndDates) {
    EXPECT_EQ(moneyText({0}), "US$ 0.00");
    EXPECT_EQ(moneyText({315'00}), "US$ 315.00");
    EXPECT_EQ(moneyText({1'234'50}), "US$ 1,234.50");
    EXPECT_EQ(moneyText({8'999'000'000}), "US$ 89,990,000.00");
    EXPECT_EQ(decimalText({8'999'000'000}), "89990000.00");
    EXPECT_EQ(groupedText({-1'234'567'89}), "-1,234,567.89");
    EXPECT_EQ(groupedText({999'99}), "999.99");
    EXPECT_EQ(decimalText({4'51}), "4.51");
    EXPECT_EQ(decimalText({5}), "0.05");
    EXPECT_EQ(percentText({12'50}), "12.5");
    EXPECT_EQ(percentText({25}), "0.25");
    EXPECT_EQ(percentText({100'00}), "100");
    EXPECT_EQ(parseMoney("367.5"), Money{367'50});
    EXPECT_EQ(parseMoney("1.234"), std::nullopt);
    EXPECT_EQ(quoteNumber(2013, 2, 5, 14, 30, 5), "TQ-20130205-143005");
    EXPECT_EQ(validUntil("2013-02-05", 30), "2013-03-07");
    EXPECT_EQ(validUntil("2012-02-15", 30), "2012-03-16");  // a leap year
    EXPECT_EQ(validUntil("2013-02-30", 30), "");
    EXPECT_TRUE(isDate("2013-12-31"));
    EXPECT_FALSE(isDate("2013-13-01"));
    EXPECT_FALSE(isDate("13-02-05"));
}

TEST(Quotation, HeaderTextsAreUtf8WithoutControlCharacters) {
    const struct {
        std::string text;
        bool multiLine;
        const char* problem;
    } cases[] = {
        {"Nordgas Ltd.", false, ""},
        {"M\xC3\xBCller & S\xC3\xB6hne \xE2\x82\xAC \xF0\x9F\x98\x80", false, ""},
        {"\xC2\xA0no-break space, \xE2\x80\xA8line separator, \xEF\xBB\xBF", false, ""},
        {"Nord\xFFgas", false, "is not UTF-8 text (byte 5 is 0xFF)"},
        {"Nordgas \xC3", false, "is not UTF-8 text (byte 9 is 0xC3)"},
        {"\xC3\xBC\xC3\x28", false, "is not UTF-8 text (byte 3 is 0xC3)"},
        {"\xC0\xAF", false, "is not UTF-8 text (byte 1 is 0xC0)"},          // overlong
        {"\xED\xA0\x80", false, "is not UTF-8 text (byte 1 is 0xED)"},      // a surrogate
        {"\xF4\x90\x80\x80", false, "is not UTF-8 text (byte 1 is 0xF4)"},  // above U+10FFFF
        {"Nord\x1B[1mgas", false, "holds the control character U+001B"},
        {"Nord\x1B[1mgas", true, "holds the control character U+001B"},
        {"a\tb", false, "holds the control character U+0009"},
        {"a\nb", false, "holds the control character U+000A"},
        {"a\tb\nc", true, ""},
        {"a\r\nb", true, "holds the control character U+000D"},
        {std::string("a\0b", 3), true, "holds the control character U+0000"},
        {"next \xC2\x85line", true, "holds the control character U+0085"},
    };
    for (const auto& c : cases) EXPECT_EQ(headerTextProblem(c.text, c.multiLine), c.problem) << c.text;
    // Every control character Unicode has: U+0000 to U+001F, U+007F and U+0080 to U+009F,
    // the notes taking tabs and line feeds.
    for (unsigned code = 0; code < 0xA0; ++code) {
        if (code >= 0x20 && code < 0x7F) continue;
        const std::string character =
            code < 0x80 ? std::string(1, char(code)) : std::string{char(0xC2), char(code)};
        char expected[48];
        std::snprintf(expected, sizeof expected, "holds the control character U+%04X", code);
        EXPECT_EQ(headerTextProblem("x" + character + "y"), expected) << code;
        EXPECT_EQ(headerTextProblem("x" + character + "y", true),
                  code == '\t' || code == '\n' ? "" : expected)
            << code;
    }
}

}  // namespace
