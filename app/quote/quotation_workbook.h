// A quotation as an Excel workbook (XLSX, through libxlsxwriter), for buyers who import it:
// the sheet "Lines" holds the CSV's columns with numbers as numbers, and the sheet "Quote"
// the header and the totals as formulas over the lines (with their values cached).
#pragma once

#include <QString>
#include <vector>

#include "rules/quotes/quotation.h"
#include "rules/quotes/quotation_workbook.h"

namespace tarvek {

// Writes the workbook to `path` atomically; an empty text when done, else the reason.
// Without prices the lines have only their first four columns, and there are no totals.
// Sheets laid out besides (the tagged services) follow "Lines" and "Quote".
QString writeQuotationWorkbook(const QString& path, const Quotation& quotation, bool withPrices = true,
                               const std::vector<WorkbookSheet>& besides = {});

}  // namespace tarvek
