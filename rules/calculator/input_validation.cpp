#include "rules/calculator/input_validation.h"

#include <algorithm>

#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }

bool meetsBound(const BoxRule& rule, double value) {
    switch (rule.bound) {
        case Bound::Above:
            return value > rule.limit;
        case Bound::AtLeast:
            return value >= rule.limit;
        case Bound::AtMost:
            return value <= rule.limit;
    }
    return false;
}

}  // namespace

bool isNumeric(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    std::size_t i = 0;
    if (i < text.size() && isSign(text[i])) ++i;
    int digits = 0, periods = 0;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.' && ++periods > 1) return false;
        if (text[i] != '.') ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && isSign(text[i])) ++i;
        int exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

EntryCheck checkEntry(const BoxRule& rule, std::string_view text) {
    if (std::find(rule.partialEntries.begin(), rule.partialEntries.end(), text) != rule.partialEntries.end())
        return EntryCheck::Partial;
    return isNumeric(text) && meetsBound(rule, leadingNumber(text)) ? EntryCheck::Accepted
                                                                    : EntryCheck::Refused;
}

}  // namespace tarvek
