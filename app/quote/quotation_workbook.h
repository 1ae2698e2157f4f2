// A quotation as an Excel workbook (XLSX, through libxlsxwriter), for buyers who import it:
// the sheet "Lines" holds the CSV's columns with numbers as numbers, and the sheet "Quote"
// the header and the totals as formulas over the lines (with their values cached).
#pragma once

#include <QString>

#include "rules/quotes/quotation.h"

namespace tarvek {

// Writes the workbook to `path` atomically; an empty text when done, else the reason.
// Without prices the lines have only their first four columns, and there are no totals.
QString writeQuotationWorkbook(const QString& path, const Quotation& quotation, bool withPrices = true);

}  // namespace tarvek
