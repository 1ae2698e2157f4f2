// Fuzzes the reader of workbooks (XLSX) with any bytes: it gives rows or a problem, never
// both; the rows keep within the sizes it promises; and they go through the reader of pasted
// part numbers as any rows do.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/workbook_sheet.h"
#include "rules/quotes/pasted_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tarvek::SheetReading sheet = tarvek::readWorkbookSheet(bytes, "Lines");
    if (!sheet.problem.empty() && !sheet.rows.empty()) std::abort();
    std::size_t text = 0, cells = 0;
    for (const tarvek::CellRow& row : sheet.rows) {
        if (row.number < 1 || row.number > 1'048'576 || row.cells.empty()) std::abort();
        if (row.cells.back().empty()) std::abort();  // a row ends at its last text
        cells += row.cells.size();
        for (const std::string& cell : row.cells) text += cell.size();
    }
    if (text > tarvek::kMostSheetText || cells > tarvek::kMostSheetCells) std::abort();
    const std::size_t rows = sheet.rows.size();
    const tarvek::PastedLines pasted = tarvek::readPastedRows(std::move(sheet.rows));
    if (pasted.rows.size() > rows) std::abort();
    for (const tarvek::PastedRow& row : pasted.rows)
        if (row.lineNumber < 1 || row.lineNumber > 1'048'576 || row.partNumber.empty()) std::abort();
    return 0;
}
