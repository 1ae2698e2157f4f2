// The quote on the clipboard: plain text and an HTML table together, so that a mail or a
// word processor takes the table and a plain editor the text.
#pragma once

#include "rules/quotes/quote.h"

class QMimeData;

namespace tarvek {

QMimeData* quoteMimeData(const Quote& quote);

// Replaces what the clipboard holds with the quote.
void copyToClipboard(const Quote& quote);

}  // namespace tarvek
