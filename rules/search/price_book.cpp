#include "rules/search/price_book.h"

#include <algorithm>
#include <array>

#include "rules/configurator/orderable_configurations.h"
#include "rules/numbers/number_text.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/search/price_on_request.h"
#include "rules/search/product_attributes.h"

namespace tarvek::search {
namespace {

constexpr std::array<std::string_view, 3> kAddedColumns = {"cv", "rated_psig", "price_note"};
constexpr std::string_view kListPrice = "list_price";

const std::vector<std::string_view>& columnNames() {
    static const std::vector<std::string_view> names = priceBookColumns();
    return names;
}

// The columns every configuration of a group writes alike: they decide for the whole group.
bool sameForTheGroup(std::size_t column) {
    const std::string_view name = columnNames()[column];
    return name == "status" || name == "product_type" || name == "body" || name == "model" ||
           name == "porting" ||
           std::find(kAddedColumns.begin(), kAddedColumns.end(), name) != kAddedColumns.end();
}

// What the book adds to --decode's fields for a group: a valve's Cv and rated pressure (empty
// for anything else), and whether the catalogue gives its configurations a price.
struct GroupTexts {
    std::string cv, psig;
    bool onRequest = false;
};

GroupTexts groupTexts(const ConfiguratorState& s) {
    const ValveRating rating = s.valveDescriptionShown ? valveRating(s.valveDescription) : ValveRating{};
    return {rating.cvThousandths ? numberText(*rating.cvThousandths / 1000.0) : "",
            rating.ratedPsig ? std::to_string(*rating.ratedPsig) : "", priceOnRequest(s)};
}

void fill(const ConfiguratorState& state, const GroupTexts& group, CsvFields& fields) {
    configurationFields(state, fields);
    fields.push_back(group.cv);
    fields.push_back(group.psig);
    fields.emplace_back(group.onRequest ? kPriceOnRequest : std::string_view());
    static const std::size_t listPrice = *priceBookColumn(kListPrice);
    if (group.onRequest) fields[listPrice].clear();
}

bool kept(std::span<const ColumnFilter> filters, const CsvFields& fields, bool groupColumns) {
    return std::all_of(filters.begin(), filters.end(), [&](const ColumnFilter& f) {
        return sameForTheGroup(f.column) != groupColumns ||
               std::find(f.values.begin(), f.values.end(), fields[f.column]) != f.values.end();
    });
}

}  // namespace

void priceBookFields(const ConfiguratorState& state, CsvFields& fields) {
    fill(state, groupTexts(state), fields);
}

std::vector<std::string_view> priceBookColumns() {
    std::vector<std::string_view> columns(csvColumns().begin(), csvColumns().end());
    columns.insert(columns.end(), kAddedColumns.begin(), kAddedColumns.end());
    return columns;
}

std::string priceBookHeader() {
    std::string header = csvHeader();
    std::string added;
    for (const std::string_view column : kAddedColumns) added += "," + std::string(column);
    header.insert(header.size() - 2, added);
    return header;
}

std::optional<std::size_t> priceBookColumn(std::string_view name) {
    const std::vector<std::string_view>& columns = columnNames();
    const auto found = std::find(columns.begin(), columns.end(), name);
    if (found == columns.end()) return std::nullopt;
    return std::size_t(found - columns.begin());
}

bool writePriceBook(std::span<const ColumnFilter> filters,
                    const std::function<bool(std::string_view)>& write) {
    CsvFields fields;
    std::string line;
    for (const OrderableGroup& group : orderableGroups()) {
        const ConfiguratorState& s = group.configurator.state();
        const GroupTexts texts = groupTexts(s);  // alike for the whole group
        fill(s, texts, fields);
        if (!kept(filters, fields, true)) continue;
        const bool goOn = forEachConfiguration(group, [&](auto, const ConfiguratorState& state) {
            fill(state, texts, fields);
            if (!kept(filters, fields, false)) return true;
            line.clear();
            appendCsvLine(line, fields);
            return write(line);
        });
        if (!goOn) return false;
    }
    return true;
}

}  // namespace tarvek::search
