#include "rules/numbers/number_text.h"

#include <locale.h>

#include <cmath>
#include <cstdlib>

#include "rules/numbers/float_chars.h"

namespace tarvek {
namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Correctly rounded and locale-free, as strtod in the "C" locale: readDouble is several
// times faster (prices are read on every click); strtod_l takes the numbers beyond the
// double range, which it turns into infinities and zeros as the catalogue expects.
double parseInCLocale(const std::string& number) {
    const char* first = number.data();
    if (*first == '+') ++first;
    if (double value = 0; readDouble(std::string_view(first, number.data() + number.size() - first), value))
        return value;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

template <typename T>
std::string generalText(T value, int significantDigits) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";  // also for -0
    char buffer[64];
    std::string text(buffer, writeFloat(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                        significantDigits));
    // to_chars writes "1e+20"; the catalogue's number texts use a capital E.
    if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::string number;
    std::size_t i = 0;
    const auto next = [&]() -> char {
        while (i < text.size() && isSkipped(text[i])) ++i;
        return i < text.size() ? text[i] : '\0';
    };

    if (const char c = next(); c == '+' || c == '-') {
        number += c;
        ++i;
    }
    bool digits = false, period = false;
    for (char c = next(); isDigit(c) || (c == '.' && !period); c = next()) {
        period = period || c == '.';
        digits = digits || isDigit(c);
        number += c;
        ++i;
    }
    if (!digits) return 0;

    if (const char e = next(); e == 'E' || e == 'e') {
        std::string exponent = "e";
        ++i;
        if (const char s = next(); s == '+' || s == '-') {
            exponent += s;
            ++i;
        }
        bool exponentDigits = false;
        for (char c = next(); isDigit(c); c = next()) {
            exponent += c;
            exponentDigits = true;
            ++i;
        }
        if (exponentDigits) number += exponent;
    }
    return parseInCLocale(number);
}

std::string numberText(double value) { return generalText(value, 15); }
std::string numberText(float value) { return generalText(value, 7); }

}  // namespace tarvek
