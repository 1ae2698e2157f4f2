// Floating-point numbers to and from text exactly as std::from_chars and std::to_chars give
// them, on every standard library: libc++ 14 (the WebAssembly build) has neither for floating
// point, so there printing goes through printf in the C locale, which the standard defines
// std::to_chars' precision forms by.
#pragma once

#include <charconv>
#include <string_view>

namespace tarvek {

// A whole decimal number (optional '-', digits with at most one period, optional exponent),
// correctly rounded. False when the text is not such a number, or, as for std::from_chars,
// its value lies beyond the double range.
bool readDouble(std::string_view text, double& value);

// As std::to_chars(first, last, value, format, precision): the end of what was written;
// `first` (nothing written) when it does not fit.
char* writeFloat(char* first, char* last, double value, std::chars_format format, int precision);

// The same through the C library's printf ("%.*g", "%.*f", "%.*e") in the C locale whatever
// the standard library: what writeFloat does where std::to_chars is missing.
char* printfFloat(char* first, char* last, double value, std::chars_format format, int precision);

}  // namespace tarvek
