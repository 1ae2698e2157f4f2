#include "rules/calculator/curve_axis.h"

#include <algorithm>
#include <cmath>

#include "rules/numbers/compact_number_text.h"

namespace tarvek {
namespace {

// The smallest of 1, 2, 5 x 10^n that is at least `value`.
double roundStep(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= value * (1 - 1e-12)) return factor * power;
    return 10 * power;
}

bool usable(double low, double high) { return std::isfinite(low) && std::isfinite(high) && high > low; }

}  // namespace

AxisScale axisScale(double low, double high, int maxTicks) {
    if (!usable(low, high) || !std::isfinite(high - low)) {
        low = 0;
        high = 1;
    }
    AxisScale scale{low, high, {}, 0};
    const int wanted = std::max(maxTicks, 2);
    scale.step = roundStep((high - low) / (wanted - 1));
    if (!(scale.step > 0) || !std::isfinite(scale.step)) return scale;
    // Counted from an index, never by repeated addition: a step far below the values'
    // resolution can neither loop for ever nor pile up rounding errors. A tick a hair's
    // breadth outside the range (from rounding) still counts.
    constexpr double kTolerance = 1e-9;
    const double first = std::ceil(low / scale.step - kTolerance);
    for (int i = 0; i <= wanted; ++i) {
        const double tick = (first + i) * scale.step;
        if (tick > high + scale.step * kTolerance) break;
        scale.ticks.push_back(tick == 0 ? 0.0 : tick);  // never "-0"
    }
    return scale;
}

AxisScale axisScaleFromZero(double high, int maxTicks) {
    if (!(high > 0) || !std::isfinite(high)) high = 1;
    AxisScale scale = axisScale(0, high, maxTicks);
    // Raise the top to the tick at or above it, so that the highest value is labelled.
    const double top = std::ceil(high / scale.step * (1 - 1e-12)) * scale.step;
    if (std::isfinite(top) && top > 0) {
        scale.high = top;
        if (scale.ticks.empty() || scale.ticks.back() < top * (1 - 1e-9)) scale.ticks.push_back(top);
    }
    return scale;
}

std::string tickText(double value, double step) {
    if (!std::isfinite(value) || !std::isfinite(step)) return {};
    if (value == 0) return "0";
    const double magnitude = std::abs(step) > 0 ? std::abs(step) : std::abs(value);
    if (std::abs(value) >= 1e6 || std::abs(value) < 1e-3) {
        // Digits enough to tell neighbouring ticks apart.
        const int digits =
            int(std::floor(std::log10(std::abs(value)))) - int(std::floor(std::log10(magnitude)));
        return compactNumberText(value, std::chars_format::scientific, std::clamp(digits, 0, 15));
    }
    const int decimals = -int(std::floor(std::log10(magnitude) + 1e-9));
    return compactNumberText(value, std::chars_format::fixed, std::clamp(decimals, 0, 15));
}

}  // namespace tarvek
