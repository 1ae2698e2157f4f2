// A table of texts as a file gives it, row by row: a delimited text's records or a sheet's
// rows, each with its number in the file. Readers of lists (part numbers for a quote, …) take
// these rows, whichever file they came from, and say the same of each.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvek {

struct CellRow {
    std::size_t number = 0;          // in the file, from 1: a text's line, a sheet's row
    std::vector<std::string> cells;  // from the first column, each as a text
};

// An XLSX workbook is a zip archive: its bytes begin as every zip's local header does.
inline bool isWorkbookFile(std::string_view bytes) {
    return bytes.starts_with(std::string_view("PK\x03\x04", 4));
}

}  // namespace tarvek
