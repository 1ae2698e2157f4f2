// A quotation as CSV (RFC 4180, UTF-8, lines ending in CR LF) for spreadsheets and other
// programs: a header row, then one row per line; amounts in dollars with two decimals.
#pragma once

#include <string>

#include "rules/quotes/quotation.h"

namespace tarvek {

// line,part_number,description,quantity,list_price,discount_percent,unit_net_price,
// extended_net_price; without prices only the first four columns.
std::string quotationCsv(const Quotation& quotation, bool withPrices = true);
// The same text given to `write` piece by piece: the header row, then each line's row.
void writeQuotationCsv(const Quotation& quotation, bool withPrices, const TextSink& write);

}  // namespace tarvek
