// A spreadsheet's number as the text its cell shows, for the readers of workbooks, which take
// what a person sees there: 0.125 shown as a percentage is "12.5%", 1234.5 shown as money
// "1234.50". One rule for every reader (the window's and the command line's XLSX reader, the
// browser's ExcelJS), so an imported sheet gives the same texts in each.
#pragma once

#include <string>
#include <string_view>

namespace tarvek {

// The number as its format code shows it, without grouping, currency or other words the
// format adds around it:
// - "General" (or no format, or text "@"): at most 15 significant digits, no trailing zeros;
//   from 1E+15 up and below 1E-9 in the exponent form ("1.5E+20");
// - a format of digits ("0", "0.00", "#,##0.00"): that many decimals, rounded half away from
//   zero as the sheet rounds (after 15 significant digits); a "%" in it shows the hundredfold
//   with a percent sign ("0.0%": 0.125 is "12.5%");
// - a date or time format: the day as YYYY-MM-DD (days from 1899-12-30, as the 1900 date
//   system counts from March 1900), with " hh:mm:ss" where the format shows the time;
// - anything else (fractions, the exponent form) as General.
std::string sheetNumberText(double value, std::string_view formatCode);

// The format codes the workbook format builds in, by number (0 "General", 2 "0.00",
// 10 "0.00%", 14 a date, …); empty for a number it builds none in for.
std::string_view builtinNumberFormat(int id);

// A logical cell as its sheet shows it.
inline std::string_view sheetBooleanText(bool value) { return value ? "TRUE" : "FALSE"; }

}  // namespace tarvek
