// Two editions of one quotation, each changed on its own from the same earlier one (two tabs
// of the web edition on the quote the browser keeps): one quotation holding both sides' changes.
#pragma once

#include "rules/quotes/quotation.h"

namespace tarvek {

struct QuotationMerge {
    Quotation merged;
    // Both sides changed the same lines, or the same field, differently: ours was kept there.
    bool overlapped = false;
};

// The lines and header fields `ours` changed since `base`, with those `theirs` changed. Lines
// are compared as the quote document writes them. Where both sides changed the same field
// of a line or of the header, ours is taken; where both inserted lines at one place, theirs
// come first; where both changed the same run of lines otherwise, ours is taken.
QuotationMerge mergeQuotations(const Quotation& base, const Quotation& ours, const Quotation& theirs);

}  // namespace tarvek
