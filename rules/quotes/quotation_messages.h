// What the quote page says after a user's action: what was added, what was not and why,
// which lines changed since they were priced, the totals line and the refusals of the header's
// fields. One place for every edition of the page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "rules/quotes/pasted_lines.h"
#include "rules/quotes/quotation.h"
#include "rules/quotes/quotation_document.h"

namespace tarvek {

// How many of a message's problems it lists; the rest are counted (and shown in full apart).
inline constexpr std::size_t kListedProblems = 4;

// "Added A310-MX2-2A-MXFX-VS as line 3."
std::string addedLineMessage(std::string_view partNumber, std::size_t row);
// "Added 2 lines. Not added (1):\nline 3: …", the first problems listed, the rest counted.
std::string pastedLinesMessage(std::size_t added, const std::vector<PastedProblem>& problems);
// Every problem, one a line, for the message's details.
std::string pastedProblemsDetails(const std::vector<PastedProblem>& problems);
// "Line 2 (A310-MX9-…) is no longer in the catalogue."
std::string lineGoneMessage(std::size_t row, std::string_view partNumber);
// "Line 2 is now A310-MX2-2A-MXFX-VS."
std::string lineUpdatedMessage(std::size_t row, std::string_view partNumber);
inline constexpr std::string_view kNothingToPaste = "The clipboard holds no part numbers.";
// A file of part numbers (a CSV, or a workbook) is imported whole or not at all: at most as
// large as a quote document.
inline constexpr std::size_t kLargestImport = kLargestQuoteDocument;
// "The file "lines.xlsx" was not imported: it is larger than 64 MiB." For a file too large,
// unreadable or not a workbook it claims to be; the quote stays as it was.
std::string importRefusalMessage(std::string_view fileName, std::string_view problem);
// The problem of a file larger than kLargestImport.
inline constexpr std::string_view kImportTooLarge = "it is larger than 64 MiB";
// Adding or duplicating a line of a quote that holds all it can.
inline constexpr std::string_view kQuoteIsFull =
    "Not added: the quote holds 100,000 lines, the most a quote holds.";

// The changes re-pricing found, "line 3: …" each.
std::vector<std::string> repricingChanges(const Quotation& quotation);
// "Opened "q.tquote": every line priced as saved." or "… 2 lines changed since priced (marked):\n…".
std::string openedMessage(std::string_view fileName, const std::vector<std::string>& changes);

// "3 lines, 7 pieces   Subtotal: US$ 1,050.00   Total: US$ 945.00"; without prices the counts alone.
std::string totalsText(const Quotation& quotation, bool withPrices);

// A quantity or discount cell's refusal: "Line 2: Not a whole number."
std::string cellRefusalMessage(std::size_t row, std::string_view problem);
// The reason alone, as the cell's own tip shows it: "Not a whole number."
std::string cellRefusalText(std::string_view problem);

// A header field's new text: the customer, contact, reference, number or notes.
enum class HeaderText { Customer, Contact, Reference, Number, Notes };
// Why the text is not taken, as the page says it ("The customer was not taken: the text holds
// the control character U+001B."); empty when it is taken.
std::string headerTextRefusal(HeaderText field, std::string_view text);
// "The quote's discount "abc" was not taken: …."
std::string headerDiscountRefusal(std::string_view typed, std::string_view problem);
inline constexpr std::string_view kQuoteNumberRequired =
    "The quote number was not taken: a quote always has a number.";
// "The date "2013-02-30" was not taken: …", or without the text for an empty one.
std::string headerDateRefusal(std::string_view typed);
// "The validity "99999999" was not taken: a quote is valid for 0 to 3650 days."
std::string headerValidityRefusal(std::string_view typed);

// Another tab's changes to the quote the browser keeps, taken as one step to undo.
inline constexpr std::string_view kTakeOtherTabsChanges = "take another tab's changes";
inline constexpr std::string_view kOtherTabChangedTheSame =
    "Another tab changed the same lines or fields at the same moment: this tab's changes were kept there.";

// A line's tip when re-pricing changed it: "Changed since it was priced: …".
std::string lineChangeTip(std::string_view change);
inline constexpr std::string_view kQuotationDiscountTip = "The quotation's discount";

// The quote page's title, as the window's.
inline constexpr std::string_view kQuoteTitle = "Quote";

// The columns of the quote's table, in order; the last four are prices.
inline constexpr std::string_view kQuoteColumns[] = {"#",        "Part Number", "Description", "Qty",
                                                     "List US$", "Disc. %",     "Net US$",     "Amount US$"};
inline constexpr std::size_t kFirstPriceColumn = 4;

}  // namespace tarvek
