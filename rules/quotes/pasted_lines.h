// Many part numbers at once, pasted or imported: one per row with an optional quantity and
// discount, separated by tabs, semicolons or commas (quoted as RFC 4180 says), or the rows of a
// sheet; a header row optional. Total: any text or rows give rows and problems, never an
// error of their own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/quotes/quotation.h"
#include "rules/quotes/quotation_document.h"
#include "rules/text/cell_rows.h"

namespace tarvek {

// A quote holds no more lines than its document may: rows past that are refused by name.
inline constexpr std::size_t kMostPastedRows = kMostQuoteLines;

struct PastedRow {
    std::size_t lineNumber = 0;  // in the text, from 1
    std::string partNumber;      // as given, without the blanks around it
    int quantity = 1;
    std::optional<Percent> discount;
};

struct PastedProblem {
    std::size_t lineNumber = 0;
    std::string given;               // the part number as given, safe to show
    std::string problem;             // why the row was not added
    std::size_t lastLineNumber = 0;  // of the rows past the room there was, from lineNumber
};

struct PastedLines {
    std::vector<PastedRow> rows;
    std::vector<PastedProblem> problems;
    bool header = false;  // the first row named the columns
};

// The rows of the text. Without a header the columns are part number, quantity, discount;
// a header names them (part_number / part number / part no., quantity / qty, discount /
// discount_percent) in any order, other columns ignored. Blank rows are skipped. Rows past
// `room` are not read: one problem names them all.
PastedLines readPastedLines(std::string_view text, std::size_t room = kMostPastedRows);
// The rows of a sheet (or any table) read as the records of a text are: the same columns, the
// same rows and problems, each named by the row's number in the file ("line 3: …").
PastedLines readPastedRows(std::vector<CellRow> rows, std::size_t room = kMostPastedRows);

struct PastedQuotationLines {
    std::vector<QuotationLine> lines;
    std::vector<PastedProblem> problems;  // the reader's, then the numbers the decoder does not know
};

// Whether each line keeps the events that set the configurator to it: the window shows lines
// there, the command line only writes what its files hold, in less memory.
enum class LineEvents { Kept, Dropped };

// The rows as quotation lines, in order; a number the decoder does not know is a problem
// with the decoder's explanation.
PastedQuotationLines quotationLinesOf(const PastedLines& pasted, LineEvents events = LineEvents::Kept);

// One problem as a line of text: "line 3: "XYZ": not a part number …", or for the rows past
// the room "lines 100,002–400,001: 300,000 rows past the 100,000 lines a quote holds".
std::string problemText(const PastedProblem& problem);

}  // namespace tarvek
