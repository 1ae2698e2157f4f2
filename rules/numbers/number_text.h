// Number <-> text conversions shared by the prices and the calculator.
// Both ignore the user's locale: the period is always the decimal separator.
#pragma once

#include <string>
#include <string_view>

namespace tarvek {

// The leading-number rule: blanks, tabs and line feeds are skipped wherever they
// occur; an optional sign, digits with at most one period and an optional exponent
// are read; reading stops at the first other character. No number reads as 0.
double leadingNumber(std::string_view text);

// General decimal form with at most 15 significant digits, no grouping, no trailing
// zeros ("185", "166.5", "-70"). Infinite or NaN values give the empty text.
std::string numberText(double value);

// The same with at most 7 significant digits, for single-precision results.
std::string numberText(float value);

}  // namespace tarvek
