#include "rules/search/search_query.h"

#include <algorithm>
#include <cmath>

#include "rules/numbers/number_text.h"
#include "rules/part_numbers/part_number_text.h"

namespace tarvek::search {
namespace {

// Beyond every price of the catalogue, and far from the end of the number range.
constexpr std::int64_t kBeyondAnyPrice = 1'000'000'000'000;  // cents
constexpr double kLargestThreshold = 1e9;
constexpr double kNoise = 1e-9;  // of a computed minimum, relative

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The minimum less its noise: what a rating must reach.
double withoutNoise(double minimum) { return minimum - minimum * kNoise; }

// Commas between thousands, the way prices are written: "1,000" and "12,345", not "1,5".
bool groupedByThousands(std::string_view whole) {
    const auto first = whole.find(',');
    if (first == std::string_view::npos) return true;
    if (first == 0 || first > 3) return false;
    // From the first comma on: a comma and three digits, again and again.
    const std::string_view rest = whole.substr(first);
    if (rest.size() % 4 != 0) return false;
    for (std::size_t at = 0; at < rest.size(); at += 4)
        if (rest[at] != ',' || rest.substr(at + 1, 3).find(',') != std::string_view::npos) return false;
    return true;
}

std::optional<int> ceiling(double value, double scale) {
    if (!std::isfinite(value) || value <= 0) return std::nullopt;
    // A hair below a whole unit is that unit: computed values carry such noise.
    const double scaled = std::min(value * scale, kLargestThreshold);
    return int(std::ceil(scaled - 1e-6));
}

}  // namespace

PriceBound readPriceBound(std::string_view text) {
    std::string_view t = withoutSurroundingBlanks(text);
    if (t.empty()) return {};
    if (t.front() == '$') t = withoutSurroundingBlanks(t.substr(1));
    const std::size_t point = std::min(t.find('.'), t.size());
    if (!groupedByThousands(t.substr(0, point)) || t.find(',', point) != std::string_view::npos)
        return {false, std::nullopt};
    std::string digits;  // without the commas between thousands
    for (const char c : t)
        if (c != ',') digits += c;
    t = digits;
    std::int64_t cents = 0;
    int decimals = -1;  // none until the period
    bool anyDigit = false;
    for (const char c : t) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (isDigit(c) && decimals < 2) {
            anyDigit = true;
            if (decimals >= 0) ++decimals;
            cents = std::min(cents * 10 + (c - '0'), kBeyondAnyPrice);
        } else {
            return {false, std::nullopt};
        }
    }
    if (!anyDigit) return {false, std::nullopt};
    for (int d = std::max(decimals, 0); d < 2; ++d) cents = std::min(cents * 10, kBeyondAnyPrice);
    return {true, Money{cents}};
}

std::optional<double> cvMinimum(double cv) {
    if (!std::isfinite(cv) || cv <= 0) return std::nullopt;
    return std::min(cv, kLargestThreshold);
}

std::optional<int> pressureThreshold(double psig) { return ceiling(psig, 1); }

bool reaches(int cvThousandths, double minimum) { return cvThousandths / 1000.0 >= withoutNoise(minimum); }

std::string cvMinimumText(double minimum) {
    const double asked = withoutNoise(minimum);
    if (!(asked > 0)) return numberText(0.0);
    const int decimals = std::clamp(3 - int(std::floor(std::log10(asked))), 3, 15);
    const double scale = std::pow(10.0, decimals);
    return numberText(std::ceil(asked * scale) / scale);
}

}  // namespace tarvek::search
