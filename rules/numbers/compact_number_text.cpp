#include "rules/numbers/compact_number_text.h"

#include <cmath>

#include "rules/numbers/float_chars.h"

namespace tarvek {

std::string compactNumberText(double value, std::chars_format format, int precision) {
    if (!std::isfinite(value)) return {};
    char buffer[400];  // a fixed double with 15 decimals
    const std::string text(buffer, writeFloat(buffer, buffer + sizeof buffer, value, format, precision));
    const auto exponent = text.find('e');
    std::string digits = text.substr(0, exponent);
    if (digits.find('.') != std::string::npos) {
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') digits.pop_back();
    }
    if (digits == "-0") digits = "0";
    return exponent == std::string::npos ? digits : digits + "E" + text.substr(exponent + 1);
}

}  // namespace tarvek
