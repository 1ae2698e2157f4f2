// Short number texts for the flow curve's axes and the converted units: std::to_chars'
// forms without trailing zeros and with the capital E of every number text of the catalogue.
#pragma once

#include <charconv>
#include <string>

namespace tarvek {

// precision as for std::to_chars: decimals for fixed and scientific, significant digits for
// general. Infinite or NaN values give the empty text.
std::string compactNumberText(double value, std::chars_format format, int precision);

}  // namespace tarvek
