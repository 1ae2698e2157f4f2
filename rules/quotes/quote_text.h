// A quote as the clipboard carries it: plain text for any editor, and a small HTML table
// for mail and word processors.
#pragma once

#include <string>

#include "rules/quotes/quote.h"

namespace tarvek {

// "Caption: text" lines; the part number, the description, the prices, the non-standard
// warning and the catalogue's edition, each group after a blank line.
std::string quotePlainText(const Quote& quote);

// The same lines as rows of a two-column table; the warning in red, the edition last.
std::string quoteHtml(const Quote& quote);

}  // namespace tarvek
