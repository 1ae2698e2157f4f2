// Configurations of the search's results on the clipboard: as CSV with the price book's
// columns, for a spreadsheet or another system, and as plain text with a line each.
#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "rules/search/copied_rows.h"

class QMimeData;

namespace tarvek {

using search::kMostCopied;

struct CopiedConfigurations {
    QString csv;   // header and a row per configuration
    QString text;  // part number, list price, non-standard, description, tab-separated
    std::size_t copied = 0;
};
CopiedConfigurations copiedConfigurations(const search::SearchIndex& index,
                                          const std::vector<search::ConfigurationId>& ids);

// Both forms on the clipboard at once.
void putOnClipboard(const CopiedConfigurations& copied);

}  // namespace tarvek
