// Rows of cell texts from delimited text, as spreadsheets copy and export it: tab, semicolon or
// comma separated, quoted as RFC 4180 says, any line end. Pasted part numbers and an imported
// services list are read alike; a workbook's rows come as the same cells.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvek {

struct CellRow {
    std::size_t lineNumber = 0;  // in the text (or the sheet's row), from 1
    std::vector<std::string> cells;
    std::vector<bool> quoted;  // of each cell: it was written in quotes
};

// The rows not kept, past those there was room for: counted, never held.
struct RowsBeyond {
    std::size_t rows = 0, firstLine = 0, lastLine = 0;
    void count(std::size_t line) {
        if (rows++ == 0) firstLine = line;
        lastLine = line;
    }
};

struct CellRows {
    std::vector<CellRow> kept;
    RowsBeyond beyond;
};

// Tab, then semicolon, then comma: the first the first non-blank line holds outside quotes.
char separatorOf(std::string_view text);

// The rows as RFC 4180 reads them; a quote inside an unquoted cell is kept as it is, and a cell
// is kept to `longestCell` + 1 characters, so that one longer than that is told. Blank rows are
// skipped; the first `keep` others are kept and the rest only counted.
CellRows readCellRows(std::string_view text, char separator, std::size_t keep, std::size_t longestCell);

// A column's name without case, blanks, underscores, periods or signs: "Part No." is "partno".
std::string columnKey(std::string_view name);

// "100,000": a count as the messages write it.
std::string countText(std::size_t count);

}  // namespace tarvek
