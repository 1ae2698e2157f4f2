#include "app/quote/imported_lines.h"

#include "platform/workbook_sheet.h"
#include "rules/quotes/quotation_workbook.h"

namespace tarvek {

PastedLines importedLines(std::string_view bytes, std::size_t room, std::string& problem) {
    if (!isWorkbookFile(bytes)) return readPastedLines(bytes, room);
    SheetReading sheet = readWorkbookSheet(bytes, kLinesSheet);
    problem = std::move(sheet.problem);
    if (!problem.empty()) return {};
    return readPastedRows(std::move(sheet.rows), room);
}

}  // namespace tarvek
