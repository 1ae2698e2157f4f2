// A quotation as a workbook, cell by cell, for every program that writes XLSX: the sheet
// "Lines" with the CSV's columns (numbers as numbers), the sheet "Quote" with the header (its
// discount a number) and the totals as formulas over the lines with their values cached.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/quotes/quotation.h"

namespace tarvek {

enum class CellFormat { Plain, Heading, Money, Percentage, Wrapped };

struct WorkbookCell {
    int row = 0, column = 0;  // from 0
    // Blank: no value, the format alone (an empty text is written so, as Excel does).
    enum class Kind { Text, Number, Formula, Blank } kind = Kind::Text;
    std::string text;   // a text, or a formula ("=SUM(Lines!H2:H4)")
    double number = 0;  // a number, or the formula's value
    CellFormat format = CellFormat::Plain;
};

struct WorkbookSheet {
    std::string name;
    std::vector<double> columnWidths;  // in characters, from column A
    int frozenRows = 0;
    std::vector<WorkbookCell> cells;  // row by row
};

inline constexpr const char* kMoneyFormat = "#,##0.00";
// The sheet of the lines, which an import of a workbook reads (else its first sheet).
inline constexpr std::string_view kLinesSheet = "Lines";
// Excel holds at most so many characters in a cell: a longer text is cut, its last character
// an ellipsis that says so.
inline constexpr std::size_t kMostCellCharacters = 32'767;

std::vector<WorkbookSheet> quotationWorkbook(const Quotation& quotation, bool withPrices);

// A text as a cell holds it: cut to kMostCellCharacters, an ellipsis last where it was.
std::string cellText(std::string_view text);

}  // namespace tarvek
