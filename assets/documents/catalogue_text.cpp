#include "assets/documents/catalogue_text.h"

#include <charconv>
#include <cmath>

#include "assets/documents/document_content.h"
#include "rules/numbers/number_text.h"

namespace tarvek {

EntryParts splitEntry(std::string_view entry) {
    const auto separator = entry.find(" -");
    if (separator == std::string_view::npos) return {{}, entry};
    auto description = entry.find_first_not_of('-', separator + 1);
    if (description == std::string_view::npos || entry[description] != ' ') return {{}, entry};
    description = entry.find_first_not_of(' ', description);
    if (description == std::string_view::npos) return {entry.substr(0, separator), {}};
    return {entry.substr(0, separator), entry.substr(description)};
}

std::string_view seriesName(std::string_view bodyCode) {
    if (bodyCode.starts_with('-')) bodyCode.remove_prefix(1);
    return bodyCode;
}

std::vector<std::string_view> sparePartSeries(std::string_view entry) {
    std::vector<std::string_view> series;
    const auto separator = entry.rfind(" - ");
    if (separator == std::string_view::npos) return series;
    std::string_view list = entry.substr(separator + 3);
    while (!list.empty()) {
        const auto slash = list.find('/');
        series.push_back(list.substr(0, slash));
        if (slash == std::string_view::npos) break;
        list.remove_prefix(slash + 1);
    }
    return series;
}

long long cents(std::string_view price) {
    const double amount = leadingNumber(price);
    if (!std::isfinite(amount) || std::fabs(amount) > 1e12) return 0;
    return std::llround(amount * 100.0);
}

std::string centsText(long long amount) {
    const bool negative = amount < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(amount) : amount;
    char digits[32];
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude / 100).ptr;
    const auto fraction = unsigned(magnitude % 100);
    *end++ = '.';
    *end++ = char('0' + fraction / 10);
    *end++ = char('0' + fraction % 10);
    std::string text(negative ? 1 : 0, '-');
    return text.append(digits, end);
}

std::string dollars(std::string_view price) { return centsText(cents(price)); }

std::string priceCell(std::string_view price) { return cents(price) == 0 ? "no charge" : dollars(price); }

std::string dollars(Money amount) { return centsText(amount.cents); }
std::string dollars(const Price& price) { return dollars(price.amount()); }
std::string priceCell(const Price& price) { return price.amount().cents == 0 ? "no charge" : dollars(price); }

std::string joinedList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

}  // namespace tarvek
