// A header field of a quotation edited as a text: the customer, contact, reference, quote
// number, notes, discount, date (YYYY-MM-DD) or validity (days). What the field may hold is
// taken; anything else leaves the header as it was and says why.
#pragma once

#include <string>
#include <string_view>

#include "rules/quotes/quotation.h"

namespace tarvek {

// The fields by name: "customer", "contact", "reference", "number", "notes", "discount",
// "date", "validity". An empty answer when the text was taken (or changes nothing); else the
// message the page shows, and the field keeps its old value: an empty quote number, a date
// that is none (or none at all), a validity out of 0 to 3650 days, as the window's date and
// day boxes cannot hold them.
std::string editHeader(QuotationHeader& header, std::string_view field, std::string_view text);

}  // namespace tarvek
