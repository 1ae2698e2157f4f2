// A quotation of many lines, as a sales engineer sends it to one customer: the header, and
// per line a configuration of the catalogue with its quantity and an optional discount of
// its own. Amounts in whole cents; what a line costs follows the catalogue's net-price rule.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/catalogue/price.h"
#include "rules/configurator/configurator.h"
#include "rules/quotes/service.h"

namespace tarvek {

// Where the text of a long file goes, piece by piece, so that it is never held whole.
using TextSink = std::function<void(std::string_view)>;

inline constexpr int kMinQuantity = 1;
inline constexpr int kMaxQuantity = 1'000'000;
inline constexpr int kDefaultValidityDays = 30;
inline constexpr int kMostValidityDays = 3650;

// A discount of 0 to 100 %, in hundredths of a percent: 12.5 % is 1250.
struct Percent {
    int hundredths = 0;
    friend constexpr auto operator<=>(Percent, Percent) = default;
};
inline constexpr Percent kMaxPercent{10'000};

struct QuotationLine {
    std::string partNumber;
    std::string description;  // the chosen steps in words, "; " between them
    Money listPrice;          // of one piece
    int quantity = 1;
    std::optional<Percent> discount;  // none: the quotation's own discount applies
    // What a user does on the opened configurator to reach the line; empty when the
    // catalogue no longer has its part number.
    std::vector<ConfiguratorEvent> events;
    std::string picture;  // the product's own picture, by bare file name; empty: none
    bool nonStandard = false;
    std::string change;  // what re-pricing found changed since the line was priced; empty: nothing
    // The tagged service the line's valve serves. A line may be a tag without a valve yet: its
    // part number empty, it counts as nothing in the totals.
    std::optional<Service> service;
    bool proposed = false;  // the valve was proposed for the service and not yet accepted

    bool operator==(const QuotationLine&) const = default;
};

struct QuotationHeader {
    std::string number;  // the quote number
    std::string customer, contact, reference;
    std::string date;  // YYYY-MM-DD
    int validityDays = kDefaultValidityDays;
    std::string priceList;            // the catalogue's name and revision it was priced from
    std::optional<Percent> discount;  // for the lines without one of their own
    std::string notes;

    bool operator==(const QuotationHeader&) const = default;
};

struct Quotation {
    QuotationHeader header;
    std::vector<QuotationLine> lines;
    bool operator==(const Quotation&) const = default;
};

// What one line costs: its discount (its own, or the quotation's, or none), the net price of
// one piece by the catalogue's rule (list price less the discount, cut down to whole cents)
// and that times the quantity.
struct LinePrice {
    Percent discount;
    Money unitNet;
    Money extended;
};
LinePrice linePrice(const QuotationLine& line, std::optional<Percent> quotationDiscount);

struct QuotationTotals {
    Money subtotal;  // list prices times quantities
    Money total;     // the lines' extended net prices
    std::int64_t pieces = 0;
};
QuotationTotals totalsOf(const Quotation& quotation);

// A discount as typed: 0 to 100 with at most two decimals (a period or a comma), an optional
// percent sign and blanks around. None, with `problem` saying why, for anything else.
std::optional<Percent> parsePercent(std::string_view text, std::string* problem = nullptr);
// A quantity as typed: a whole number from 1 to 1,000,000.
std::optional<int> parseQuantity(std::string_view text, std::string* problem = nullptr);

// Why a text cannot go into a quotation's header, "is not UTF-8 text (byte 7 is 0xE9)" or "holds
// the control character U+001B" (the notes may hold line feeds and tabs); empty when it can.
// What it lets in, every file a quotation is saved in reads back as it was.
std::string headerTextProblem(std::string_view text, bool multiLine = false);

// "12.5", "10", "0.25": the shortest text of the discount.
std::string percentText(Percent percent);
// "1234.50": dollars with two decimals, no currency, no grouping (files and spreadsheets).
std::string decimalText(Money amount);
// "1,234.50": dollars with two decimals and grouping, where a caption names the currency.
std::string groupedText(Money amount);
// "US$ 1,234.50": how the quotation shows money on its own.
std::string moneyText(Money amount);
// An amount written with at most two decimals ("367.5", "1234.50"); none for anything else.
std::optional<Money> parseMoney(std::string_view text);

// The quote number made from the moment it is started: "TQ-20130205-143005".
std::string quoteNumber(int year, int month, int day, int hour, int minute, int second);
// A new quotation started at that moment: its number, its date, the price list of today's catalogue.
Quotation freshQuotation(int year, int month, int day, int hour, int minute, int second);
// The date a quotation is valid until: `days` after the date (YYYY-MM-DD); empty for a bad date.
std::string validUntil(std::string_view date, int days);
// A date written YYYY-MM-DD that exists in the calendar.
bool isDate(std::string_view date);

}  // namespace tarvek
