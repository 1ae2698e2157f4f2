#include "rules/numbers/sheet_number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "rules/numbers/compact_number_text.h"
#include "rules/numbers/float_chars.h"

namespace tarvek {
namespace {

constexpr int kSignificantDigits = 15;  // all a sheet keeps of a number
constexpr int kMostDecimals = 30;       // far more than any format shows
constexpr double kLastDay = 2'958'465;  // 9999-12-31, the last day a sheet shows as a date

// The builtin formats the readers meet in practice (ECMA-376, 18.8.30); the others are dates
// in a locale's order, shown here as dates all the same.
constexpr std::array<std::pair<int, std::string_view>, 29> kBuiltinFormats = {{
    {0, "General"},
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# ?\?/??"},
    {14, "mm-dd-yy"},
    {15, "d-mmm-yy"},
    {16, "d-mmm"},
    {17, "mmm-yy"},
    {18, "h:mm AM/PM"},
    {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},
    {21, "h:mm:ss"},
    {22, "m/d/yy h:mm"},
    {37, "#,##0 ;(#,##0)"},
    {38, "#,##0 ;[Red](#,##0)"},
    {39, "#,##0.00;(#,##0.00)"},
    {40, "#,##0.00;[Red](#,##0.00)"},
    {45, "mm:ss"},
    {46, "[h]:mm:ss"},
    {47, "mmss.0"},
    {48, "##0.0E+0"},
    {49, "@"},
    {56, "yyyy-mm-dd"},
}};

enum class Kind { General, Digits, Date };

struct Format {
    Kind kind = Kind::General;
    int decimals = 0;
    int percents = 0;
    bool time = false;
};

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(text[i]) != word[i]) return false;
    return true;
}

// What the first section of a format code (the one for positive numbers) shows; its literal
// texts, colours, conditions, paddings and fills say nothing of the number.
Format formatOf(std::string_view code) {
    Format format;
    bool digits = false, date = false, point = false, other = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == ';') break;
        if (c == '"') {
            const std::size_t end = code.find('"', i + 1);
            if (end == std::string_view::npos) break;
            i = end;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else if (c == '[') {
            const std::size_t end = code.find(']', i + 1);
            if (end == std::string_view::npos) break;
            const std::string_view inside = code.substr(i + 1, end - i - 1);
            if (!inside.empty() &&
                (lower(inside[0]) == 'h' || lower(inside[0]) == 'm' || lower(inside[0]) == 's'))
                date = format.time = true;  // elapsed time
            i = end;
        } else if (startsWithWord(code.substr(i), "general")) {
            i += 6;
        } else if (c == '0' || c == '#' || c == '?') {
            digits = true;
            if (point) ++format.decimals;
        } else if (c == '.') {
            point = point || digits || (i + 1 < code.size() && code[i + 1] == '0');
        } else if (c == '%') {
            ++format.percents;
        } else if (lower(c) == 'e' && i + 1 < code.size() && (code[i + 1] == '+' || code[i + 1] == '-')) {
            other = true;
        } else if (c == '/') {
            other = other || digits;  // a fraction; in a date, a separator
        } else if (lower(c) == 'y' || lower(c) == 'd' || lower(c) == 'm') {
            date = true;
        } else if (lower(c) == 'h' || lower(c) == 's') {
            date = format.time = true;
        }
    }
    if (date && !digits)
        format.kind = Kind::Date;
    else if (digits && !other && !date)
        format.kind = Kind::Digits;
    format.decimals = std::min(format.decimals, kMostDecimals);
    return format;
}

// The digits of |value| to 15 significant digits, and the power of ten of the first.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal decimalOf(double value) {
    char buffer[64];
    const std::string text(buffer, writeFloat(buffer, buffer + sizeof buffer, std::fabs(value),
                                              std::chars_format::scientific, kSignificantDigits - 1));
    const std::size_t e = text.find('e');
    Decimal decimal;
    for (const char c : text.substr(0, e))
        if (c != '.') decimal.digits += c;
    decimal.exponent = std::stoi(text.substr(e + 1));
    return decimal;
}

// |value| with `decimals` decimals, rounded half away from zero on its 15 significant digits.
std::string fixedText(double value, int decimals) {
    Decimal d = decimalOf(value);
    // The digits from the first whole one down to the last decimal shown.
    std::string digits;
    int firstWhole = d.exponent;  // the power of ten of digits[0]
    if (firstWhole < 0) {
        digits.assign(std::size_t(-firstWhole), '0');
        firstWhole = 0;
    }
    digits += d.digits;
    const int shown = firstWhole + 1 + decimals;  // digits kept
    if (int(digits.size()) < shown) digits.append(std::size_t(shown - int(digits.size())), '0');
    const bool up = int(digits.size()) > shown && digits[std::size_t(shown)] >= '5';
    digits.resize(std::size_t(shown));
    if (up) {
        int i = shown - 1;
        for (; i >= 0 && digits[std::size_t(i)] == '9'; --i) digits[std::size_t(i)] = '0';
        if (i >= 0) {
            ++digits[std::size_t(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++firstWhole;
        }
    }
    std::string text = digits.substr(0, std::size_t(firstWhole + 1));
    text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
    if (decimals > 0) text += '.' + digits.substr(std::size_t(firstWhole + 1));
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + text;
}

std::string generalText(double value) {
    if (value == 0) return "0";
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e15 || magnitude < 1e-9)
        return compactNumberText(value, std::chars_format::scientific, kSignificantDigits - 1);
    std::string text = fixedText(value, std::max(0, kSignificantDigits - 1 - decimalOf(value).exponent));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

std::string twoDigits(std::int64_t n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }

// Days since 1899-12-30 as a date of the proleptic Gregorian calendar (H. Hinnant's civil_from_days).
std::string dateText(double serial, bool time) {
    std::int64_t days = std::int64_t(std::floor(serial));
    std::int64_t seconds = std::llround((serial - double(days)) * 86'400);
    if (seconds == 86'400) {
        ++days;
        seconds = 0;
    }
    const std::int64_t z = days - 25'569 + 719'468;  // 1970-01-01 is day 25,569
    const std::int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
    const std::int64_t doe = z - era * 146'097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    std::string text = std::to_string(year) + '-' + twoDigits(month) + '-' + twoDigits(day);
    if (time)
        text += ' ' + twoDigits(seconds / 3600) + ':' + twoDigits(seconds / 60 % 60) + ':' +
                twoDigits(seconds % 60);
    return text;
}

}  // namespace

std::string sheetNumberText(double value, std::string_view formatCode) {
    if (!std::isfinite(value)) return "#NUM!";  // what a sheet shows for a number it cannot hold
    const Format format = formatOf(formatCode);
    switch (format.kind) {
        case Kind::Digits: {
            double shown = value;
            for (int i = 0; i < format.percents; ++i) shown *= 100;
            if (!std::isfinite(shown) || std::fabs(shown) >= 1e21) return generalText(value);
            return fixedText(shown, format.decimals) + std::string(std::size_t(format.percents), '%');
        }
        case Kind::Date:
            if (value >= 61 && value <= kLastDay) return dateText(value, format.time);
            return generalText(value);
        case Kind::General:
            break;
    }
    return generalText(value);
}

std::string_view builtinNumberFormat(int id) {
    for (const auto& [number, code] : kBuiltinFormats)
        if (number == id) return code;
    if ((id >= 27 && id <= 36) || (id >= 50 && id <= 58)) return "yyyy-mm-dd";  // dates of East Asian locales
    return {};
}

}  // namespace tarvek
