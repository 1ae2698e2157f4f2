// The rows of one sheet of an Excel workbook (XLSX: a zip archive of XML parts) as texts, for
// the imports of lists: the part numbers of a quote, or any other list a later import reads.
// Read from memory (minizip for the archive, QXmlStreamReader for the parts), with limits on
// every size a hostile file could blow up: the archive, each part unpacked, the texts kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "rules/text/cell_rows.h"
#include "rules/text/workbook_archive.h"

namespace tarvek {

// What a sheet may hold, beside what its archive may (workbook_archive.h). The program's own
// export of a quote of 100,000 lines stays far below each.
inline constexpr std::size_t kMostSheetText = 64 * 1024 * 1024;  // bytes of the texts kept
inline constexpr std::size_t kMostSheetCells = 4'000'000;        // cells kept, blank ones between too

struct SheetReading {
    std::vector<CellRow> rows;  // the rows with a cell that is not empty, in order
    // Why the file gives no rows, as said after "was not imported: " ("it is not an Excel
    // workbook (XLSX)"); empty when it was read.
    std::string problem;
};

// The sheet named `sheetName`, or the workbook's first where none is so named. A cell's
// text is what the sheet shows: a text, a number as its format shows it without grouping
// (sheetNumberText), TRUE or FALSE, an error such as #N/A; a formula gives its value as
// last calculated.
SheetReading readWorkbookSheet(std::string_view bytes, std::string_view sheetName);

}  // namespace tarvek
