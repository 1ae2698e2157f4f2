// A table of texts as a file gives it, row by row: a delimited text's records or a sheet's
// rows, each with its number in the file. Readers of lists (part numbers for a quote, …) take
// these rows, whichever file they came from, and say the same of each.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvek {

struct CellRow {
    CellRow() = default;
    CellRow(std::size_t number_, std::vector<std::string> cells_, std::vector<bool> quoted_ = {})
        : number(number_), cells(std::move(cells_)), quoted(std::move(quoted_)) {}

    std::size_t number = 0;          // in the file, from 1: a text's line, a sheet's row
    std::vector<std::string> cells;  // from the first column, each as a text
    std::vector<bool> quoted;        // of each cell of a text, whether it was in quotes; a sheet's: none
};

// Every cell empty or blanks (spaces of every kind, invisible format characters).
bool isBlankRow(const CellRow& row);

// The rows a reader keeps of a file: the first `keep` rows that are not blank; those past
// them only counted, never held.
class KeptRows {
  public:
    struct Beyond {
        std::size_t rows = 0, first = 0, last = 0;  // how many, and the numbers of the first and last
        void count(std::size_t number) {
            if (rows++ == 0) first = number;
            last = number;
        }
    };

    explicit KeptRows(std::size_t keep) : keep_(keep) {}
    void add(CellRow row) {
        if (isBlankRow(row)) return;
        if (rows.size() < keep_)
            rows.push_back(std::move(row));
        else
            beyond.count(row.number);
    }

    std::vector<CellRow> rows;
    Beyond beyond;

  private:
    std::size_t keep_;
};

// An XLSX workbook is a zip archive: its bytes begin as every zip's local header does.
inline bool isWorkbookFile(std::string_view bytes) {
    return bytes.starts_with(std::string_view("PK\x03\x04", 4));
}

}  // namespace tarvek
