// The price book: every orderable configuration as a row of --decode's CSV, followed by a
// valve's Cv and rated pressure and a note on its price, kept where every column filter holds.
// What a sales office imports into its own systems; written row by row, so a whole catalogue
// needs no more memory than one row. A configuration the catalogue gives no price has an empty
// list price, and the note says "price on request".
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/part_numbers/part_number_csv.h"

namespace tarvek::search {

// --decode's columns, then "cv", "rated_psig" and "price_note".
std::vector<std::string_view> priceBookColumns();
std::string priceBookHeader();
// The place of a column by its name; none for a name that is no column.
std::optional<std::size_t> priceBookColumn(std::string_view name);

// A configuration's row of the book, its fields in column order.
void priceBookFields(const ConfiguratorState& state, CsvFields& fields);

// A row is kept when the column's text is exactly one of the values.
struct ColumnFilter {
    std::size_t column;
    std::vector<std::string> values;
};

// Calls `write` with each kept row, its line end included, in catalogue order; returning
// false stops the book. Returns false when it was stopped.
bool writePriceBook(std::span<const ColumnFilter> filters,
                    const std::function<bool(std::string_view row)>& write);

}  // namespace tarvek::search
