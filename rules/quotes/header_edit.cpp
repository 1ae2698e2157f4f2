#include "rules/quotes/header_edit.h"

#include <utility>

#include "rules/quotes/quotation_messages.h"

namespace tarvek {
namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::optional<int> days(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int value = std::stoi(std::string(text));
    return value <= kMostValidityDays ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

std::string editHeader(QuotationHeader& h, std::string_view field, std::string_view text) {
    const std::pair<std::string_view, std::pair<std::string QuotationHeader::*, HeaderText>> texts[] = {
        {"customer", {&QuotationHeader::customer, HeaderText::Customer}},
        {"contact", {&QuotationHeader::contact, HeaderText::Contact}},
        {"reference", {&QuotationHeader::reference, HeaderText::Reference}},
        {"number", {&QuotationHeader::number, HeaderText::Number}},
        {"notes", {&QuotationHeader::notes, HeaderText::Notes}}};
    for (const auto& [name, member] : texts) {
        if (field != name) continue;
        const auto [text_, kind] = member;
        // A quote always has a number, without blanks around it.
        const std::string_view value = kind == HeaderText::Number ? trimmed(text) : text;
        if (kind == HeaderText::Number && value.empty()) return std::string(kQuoteNumberRequired);
        if (h.*text_ == value) return {};
        if (std::string refusal = headerTextRefusal(kind, value); !refusal.empty()) return refusal;
        h.*text_ = std::string(value);
        return {};
    }
    if (field == "discount") {
        const std::string_view value = trimmed(text);
        std::string problem;
        if (value.empty()) {
            h.discount.reset();
        } else if (const std::optional<Percent> percent = parsePercent(value, &problem)) {
            h.discount = percent;
        } else {
            return headerDiscountRefusal(value, problem);
        }
    } else if (field == "date") {
        if (!isDate(text)) return headerDateRefusal(text);
        h.date = std::string(text);
    } else if (field == "validity") {
        const std::optional<int> valid = days(text);
        if (!valid) return headerValidityRefusal(trimmed(text));
        h.validityDays = *valid;
    }
    return {};
}

}  // namespace tarvek
