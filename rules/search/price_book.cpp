#include "rules/search/price_book.h"

#include <algorithm>

#include "rules/configurator/orderable_configurations.h"
#include "rules/numbers/number_text.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/search/product_attributes.h"

namespace tarvek::search {
namespace {

constexpr std::string_view kCv = "cv";
constexpr std::string_view kRatedPressure = "rated_psig";

// The columns every configuration of a group writes alike: they decide for the whole group.
bool sameForTheGroup(std::size_t column) {
    const std::string_view name = priceBookColumns()[column];
    return name == "status" || name == "product_type" || name == "body" || name == "model" ||
           name == "porting" || name == kCv || name == kRatedPressure;
}

// A valve's Cv and rated pressure as the book writes them; empty for anything else.
std::pair<std::string, std::string> ratingTexts(const ConfiguratorState& s) {
    const ValveRating rating = s.valveDescriptionShown ? valveRating(s.valveDescription) : ValveRating{};
    return {rating.cvThousandths ? numberText(*rating.cvThousandths / 1000.0) : "",
            rating.ratedPsig ? std::to_string(*rating.ratedPsig) : ""};
}

bool kept(std::span<const ColumnFilter> filters, const CsvFields& fields, bool groupColumns) {
    return std::all_of(filters.begin(), filters.end(), [&](const ColumnFilter& f) {
        return sameForTheGroup(f.column) != groupColumns || fields[f.column] == f.value;
    });
}

}  // namespace

void priceBookFields(const ConfiguratorState& state, CsvFields& fields) {
    configurationFields(state, fields);
    auto [cv, psig] = ratingTexts(state);
    fields.push_back(std::move(cv));
    fields.push_back(std::move(psig));
}

std::vector<std::string_view> priceBookColumns() {
    std::vector<std::string_view> columns(csvColumns().begin(), csvColumns().end());
    columns.push_back(kCv);
    columns.push_back(kRatedPressure);
    return columns;
}

std::string priceBookHeader() {
    std::string header = csvHeader();
    header.insert(header.size() - 2, "," + std::string(kCv) + "," + std::string(kRatedPressure));
    return header;
}

std::optional<std::size_t> priceBookColumn(std::string_view name) {
    const std::vector<std::string_view> columns = priceBookColumns();
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
        const std::pair<std::string, std::string> rating = ratingTexts(s);  // alike for the whole group
        const auto fill = [&](const ConfiguratorState& state) {
            configurationFields(state, fields);
            fields.push_back(rating.first);
            fields.push_back(rating.second);
        };
        fill(s);
        if (!kept(filters, fields, true)) continue;
        const bool goOn = forEachConfiguration(group, [&](auto, const ConfiguratorState& state) {
            fill(state);
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
