// Axes of the flow curve: round tick values (1, 2 or 5 times a power of ten) over a
// range, and their texts, short enough to stand under a small chart.
#pragma once

#include <string>
#include <vector>

namespace tarvek {

struct AxisScale {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;  // ascending, each within low .. high
    double step = 1;
};

// Ticks at multiples of a round step inside low .. high, at most maxTicks + 1 of them. A
// range that is empty, reversed or not finite becomes 0 .. 1.
AxisScale axisScale(double low, double high, int maxTicks);

// The same, with high raised to the next tick so that the top of the axis is labelled.
AxisScale axisScaleFromZero(double high, int maxTicks);

// A tick's text: as many decimals as the step needs, no trailing zeros; with an exponent
// from a million up and below a thousandth ("5E+29").
std::string tickText(double value, double step);

}  // namespace tarvek
