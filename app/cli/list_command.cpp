#include "app/cli/list_command.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "app/cli/command_line.h"
#include "platform/streams.h"
#include "rules/search/price_book.h"

namespace tarvek {
namespace {

int usageError(std::ostream& errors, const std::string& what) {
    std::string columns;
    for (const std::string_view column : search::priceBookColumns())
        columns += (columns.empty() ? "" : ", ") + std::string(column);
    errors << "tarvek-catalog: " << what << "\nThe columns are: " << columns << "\n\n" << usageText();
    return kExitUsage;
}

// Filters on different columns must all hold; filters repeated for one column keep a row that
// reads any of their values (a column cannot read two at once).
void addFilter(std::vector<search::ColumnFilter>& filters, std::size_t column, std::string value) {
    const auto same = std::find_if(filters.begin(), filters.end(),
                                   [&](const search::ColumnFilter& f) { return f.column == column; });
    if (same == filters.end())
        filters.push_back({column, {std::move(value)}});
    else
        same->values.push_back(std::move(value));
}

}  // namespace

int runList(const CommandLine& command, int output, std::ostream& errors) {
    std::vector<search::ColumnFilter> filters;
    for (const std::string& filter : command.values("--filter")) {
        const auto equals = filter.find('=');
        if (equals == std::string::npos)
            return usageError(errors, "--filter needs COLUMN=VALUE, not \"" + filter + "\"");
        const std::string name = filter.substr(0, equals);
        const auto column = search::priceBookColumn(name);
        if (!column) return usageError(errors, "--filter names no column: \"" + name + "\"");
        addFilter(filters, *column, filter.substr(equals + 1));
    }
    // Standard only, whatever a filter on the same column asks besides.
    if (command.has("--standard-only")) filters.push_back({*search::priceBookColumn("non_standard"), {"no"}});

    Output out(output);
    out.write(search::priceBookHeader());
    search::writePriceBook(filters, [&](std::string_view row) {
        out.write(row);
        return !out.failed();
    });
    if (out.flush()) return kExitDone;
    errors << "tarvek-catalog: cannot write the price book: " << out.error() << '\n';
    return kExitInputOutput;
}

}  // namespace tarvek
