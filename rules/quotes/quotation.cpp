#include "rules/quotes/quotation.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "rules/configurator/pricing.h"
#include "rules/quotes/quote.h"
#include "rules/text/escaped_fields.h"

namespace tarvek {
namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Digits with at most `decimals` after one period or comma, as hundredths; none otherwise.
// Whole parts beyond a trillion are refused before they could overflow.
std::optional<std::int64_t> hundredthsOf(std::string_view text, bool commaToo) {
    std::int64_t whole = 0, fraction = 0;
    int decimals = -1, digits = 0;
    for (const char c : text) {
        if ((c == '.' || (commaToo && c == ',')) && decimals < 0) {
            decimals = 0;
        } else if (isDigit(c) && decimals < 0) {
            if (whole > 1'000'000'000'000) return std::nullopt;
            whole = whole * 10 + (c - '0');
            ++digits;
        } else if (isDigit(c) && decimals < 2) {
            fraction = fraction * 10 + (c - '0');
            ++decimals;
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || decimals == 0) return std::nullopt;  // nothing, or "10." alone
    if (decimals == 1) fraction *= 10;
    return whole * 100 + fraction;
}

bool fail(std::string* problem, std::string text) {
    if (problem) *problem = std::move(text);
    return false;
}

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::optional<std::chrono::year_month_day> dateOf(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    for (int part = 0, at = 0; part < 3; ++part, ++at) {
        for (const int end = part == 0 ? 4 : at + 2; at < end; ++at) {
            if (!isDigit(text[std::size_t(at)])) return std::nullopt;
            parts[part] = parts[part] * 10 + (text[std::size_t(at)] - '0');
        }
    }
    const std::chrono::year_month_day date{std::chrono::year(parts[0]),
                                           std::chrono::month(unsigned(parts[1])),
                                           std::chrono::day(unsigned(parts[2]))};
    if (!date.ok()) return std::nullopt;
    return date;
}

}  // namespace

LinePrice linePrice(const QuotationLine& line, std::optional<Percent> quotationDiscount) {
    LinePrice price;
    price.discount = line.discount.value_or(quotationDiscount.value_or(Percent{}));
    // The catalogue's own rule, with the discount as the configurator would read it typed.
    const std::optional<double> net = netPrice(line.listPrice, percentText(price.discount));
    price.unitNet = {net ? std::llround(*net * 100) : 0};
    price.extended = {price.unitNet.cents * line.quantity};
    return price;
}

QuotationTotals totalsOf(const Quotation& quotation) {
    QuotationTotals totals;
    for (const QuotationLine& line : quotation.lines) {
        if (line.partNumber.empty() && line.service) continue;  // a tag without a valve yet
        totals.subtotal.cents += line.listPrice.cents * line.quantity;
        totals.total = totals.total + linePrice(line, quotation.header.discount).extended;
        totals.pieces += line.quantity;
    }
    return totals;
}

std::optional<Percent> parsePercent(std::string_view text, std::string* problem) {
    std::string_view number = trimmed(text);
    if (!number.empty() && number.back() == '%') number = trimmed(number.substr(0, number.size() - 1));
    const std::optional<std::int64_t> hundredths = hundredthsOf(number, true);
    if (!hundredths) {
        fail(problem, "a discount is a number from 0 to 100, with at most two decimals");
        return std::nullopt;
    }
    if (*hundredths > kMaxPercent.hundredths) {
        fail(problem, "a discount is at most 100 %");
        return std::nullopt;
    }
    return Percent{int(*hundredths)};
}

std::optional<int> parseQuantity(std::string_view text, std::string* problem) {
    const std::string_view number = trimmed(text);
    std::int64_t value = 0;
    bool digits = !number.empty();
    for (const char c : number) {
        if (!isDigit(c)) {
            digits = false;
            break;
        }
        value = value * 10 + (c - '0');
        if (value > kMaxQuantity) break;
    }
    if (!digits || value < kMinQuantity || value > kMaxQuantity) {
        fail(problem, "a quantity is a whole number from 1 to 1,000,000");
        return std::nullopt;
    }
    return int(value);
}

std::string headerTextProblem(std::string_view text, bool multiLine) {
    const auto hex = [](unsigned value, int digits) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
        return std::string(buffer);
    };
    if (const std::size_t valid = utf8PrefixLength(text); valid < text.size())
        return "is not UTF-8 text (byte " + std::to_string(valid + 1) + " is 0x" +
               hex(static_cast<unsigned char>(text[valid]), 2) + ")";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (multiLine && (byte == '\n' || byte == '\t')) continue;
        // U+0080 to U+009F are the bytes C2 80 to C2 9F in UTF-8.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7F || c1)
            return "holds the control character U+" +
                   hex(c1 ? static_cast<unsigned char>(text[i + 1]) : byte, 4);
    }
    return {};
}

std::string percentText(Percent percent) {
    std::string text = std::to_string(percent.hundredths / 100);
    if (const int fraction = percent.hundredths % 100; fraction != 0) {
        text += '.' + twoDigits(fraction);
        if (text.back() == '0') text.pop_back();
    }
    return text;
}

std::string decimalText(Money amount) {
    const bool negative = amount.cents < 0;
    const std::uint64_t cents = negative ? 0 - std::uint64_t(amount.cents) : std::uint64_t(amount.cents);
    return (negative ? "-" : "") + std::to_string(cents / 100) + '.' + twoDigits(int(cents % 100));
}

std::string groupedText(Money amount) {
    std::string text = decimalText(amount);
    const std::size_t first = text.front() == '-' ? 1 : 0;
    for (std::size_t at = text.size() - 3; at > first + 3; at -= 3) text.insert(at - 3, 1, ',');
    return text;
}

std::string moneyText(Money amount) { return "US$ " + groupedText(amount); }

std::optional<Money> parseMoney(std::string_view text) {
    const std::optional<std::int64_t> hundredths = hundredthsOf(text, false);
    if (!hundredths) return std::nullopt;
    return Money{*hundredths};
}

std::string quoteNumber(int year, int month, int day, int hour, int minute, int second) {
    return "TQ-" + std::to_string(year) + twoDigits(month) + twoDigits(day) + '-' + twoDigits(hour) +
           twoDigits(minute) + twoDigits(second);
}

Quotation freshQuotation(int year, int month, int day, int hour, int minute, int second) {
    Quotation q;
    q.header.number = quoteNumber(year, month, day, hour, minute, second);
    q.header.date = std::to_string(year) + '-' + twoDigits(month) + '-' + twoDigits(day);
    q.header.priceList = std::string(kCatalogueEdition);
    return q;
}

bool isDate(std::string_view date) { return dateOf(date).has_value(); }

std::string validUntil(std::string_view date, int days) {
    const auto from = dateOf(date);
    if (!from) return {};
    const std::chrono::year_month_day until{std::chrono::sys_days(*from) + std::chrono::days(days)};
    return std::to_string(int(until.year())) + '-' + twoDigits(int(unsigned(until.month()))) + '-' +
           twoDigits(int(unsigned(until.day())));
}

}  // namespace tarvek
