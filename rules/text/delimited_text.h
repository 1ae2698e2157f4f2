// The rows of a delimited text (CSV, or tab- or semicolon-separated, as spreadsheets, mail
// and files give them) as rows of cell texts, for any reader of lists.
#pragma once

#include <cstddef>
#include <string_view>

#include "rules/text/cell_rows.h"

namespace tarvek {

// Records as RFC 4180 reads them, any line end, each numbered by the line it starts on; the
// separator is the first of tab, semicolon and comma that the first non-blank line holds
// outside quotes (a comma when it holds none). A quote inside an unquoted field is kept as
// it is; a cell is kept to `longestCell` bytes, and whether it was quoted is kept too; a
// byte-order mark before the text is skipped.
// Blank rows are skipped, the first `keep` others kept and the rest only counted.
struct DelimitedText {
    KeptRows rows;
    char separator = ',';
};
DelimitedText readDelimitedText(std::string_view text, std::size_t keep, std::size_t longestCell);

}  // namespace tarvek
