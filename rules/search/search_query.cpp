#include "rules/search/search_query.h"

#include <cmath>

#include "rules/part_numbers/part_number_text.h"

namespace tarvek::search {
namespace {

// Beyond every price of the catalogue, and far from the end of the number range.
constexpr std::int64_t kBeyondAnyPrice = 1'000'000'000'000;  // cents
constexpr double kLargestThreshold = 1e9;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> ceiling(double value, double scale) {
    if (!std::isfinite(value) || value <= 0) return std::nullopt;
    // A hair below a whole unit is that unit: 0.2300000001 asks for 0.23, computed values
    // carry such noise.
    const double scaled = std::min(value * scale, kLargestThreshold);
    return int(std::ceil(scaled - 1e-6));
}

}  // namespace

PriceBound readPriceBound(std::string_view text) {
    std::string_view t = withoutSurroundingBlanks(text);
    if (t.empty()) return {};
    if (t.front() == '$') t = withoutSurroundingBlanks(t.substr(1));
    std::int64_t cents = 0;
    int decimals = -1;  // none until the period
    bool digits = false;
    for (const char c : t) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (isDigit(c) && decimals < 2) {
            digits = true;
            if (decimals >= 0) ++decimals;
            cents = std::min(cents * 10 + (c - '0'), kBeyondAnyPrice);
        } else {
            return {false, std::nullopt};
        }
    }
    if (!digits) return {false, std::nullopt};
    for (int d = std::max(decimals, 0); d < 2; ++d) cents = std::min(cents * 10, kBeyondAnyPrice);
    return {true, Money{cents}};
}

std::optional<int> cvThreshold(double cv) { return ceiling(cv, 1000); }
std::optional<int> pressureThreshold(double psig) { return ceiling(psig, 1); }

}  // namespace tarvek::search
