// The quote document, a file of its own (".tquote"): UTF-8 text, one record per line, fields
// separated by a tab, every text escaped (\\ \t \n \r), so any text survives and the file
// reads well in an editor or a diff. Format 1:
//
//   TARVEK-QUOTE<tab>1                    first line: what the file is, and its format
//   number<tab>TQ-20130205-143005          header fields, each at most once, in any order:
//   customer<tab>…   contact<tab>…         number, date (YYYY-MM-DD), validity (days, 0 to
//   reference<tab>…  date<tab>2013-02-05   3650) and price-list are required; customer,
//   validity<tab>30  price-list<tab>…      contact, reference, discount (0 to 100, at most
//   discount<tab>10  notes<tab>…           two decimals) and notes may be left out
//   line<tab>PART<tab>QTY<tab>DISC<tab>LIST<tab>DESCRIPTION
//                                          one per line of the quotation, in order: the part
//                                          number, the quantity (1 to 1,000,000), its own
//                                          discount or nothing, the list price of one piece
//                                          as priced (dollars, two decimals), the description
//   end<tab>COUNT                          last: the number of lines, so a cut file is told
//
// Format 2 is format 1 with the tagged services: after a line, its service record
// (rules/quotes/service_record.h) and, while its valve is a proposal not yet accepted, the
// record "proposed"; a line without a part number is a tag without a valve yet, and has a
// service. A quotation without services is written in format 1, byte for byte as before, so
// that older programs read it; one with services in format 2, which they refuse as newer.
//
// Reading is strict and total: any bytes give a quotation or one message naming the line
// and the problem. A byte-order mark before the first line and CR LF line ends are read too. A later format
// number is refused as coming from a newer version.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "rules/quotes/quotation.h"

namespace tarvek {

inline constexpr std::string_view kQuoteDocumentExtension = ".tquote";
inline constexpr std::string_view kQuoteDocumentMagic = "TARVEK-QUOTE";
inline constexpr int kQuoteDocumentFormat = 1;
inline constexpr int kQuoteDocumentServicesFormat = 2;  // the newest this version reads
inline constexpr std::size_t kLargestQuoteDocument = 64 * 1024 * 1024;
inline constexpr std::size_t kMostQuoteLines = 100'000;
// How many more lines a quote may take and still read back from its document.
inline std::size_t roomInQuote(const Quotation& quotation) {
    return kMostQuoteLines - std::min(kMostQuoteLines, quotation.lines.size());
}

// The format a quotation is written in: 1, or 2 when a line has a service or is a tag alone.
int quotationDocumentFormat(const Quotation& quotation);

std::string quotationDocument(const Quotation& quotation);
// The same text given to `write` piece by piece: the header records, then each line's.
void writeQuotationDocument(const Quotation& quotation, const TextSink& write);

struct QuotationReading {
    std::optional<Quotation> quotation;  // the lines without their configurations: price them again
    std::string problem;                 // when there is none: "line 7: quantity …"
};

QuotationReading readQuotationDocument(std::string_view bytes);

}  // namespace tarvek
