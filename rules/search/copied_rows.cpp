#include "rules/search/copied_rows.h"

#include <algorithm>

#include "rules/configurator/configurator.h"
#include "rules/search/price_book.h"

namespace tarvek::search {

std::string priceBookRows(const SearchIndex& index, const std::vector<ConfigurationId>& ids) {
    std::string csv = priceBookHeader();
    CsvFields fields;
    for (std::size_t i = 0; i < std::min(ids.size(), kMostCopied); ++i) {
        Configurator configurator;
        for (const ConfiguratorEvent& event : index.configuration(ids[i]).events) configurator.apply(event);
        priceBookFields(configurator.state(), fields);
        appendCsvLine(csv, fields);
    }
    return csv;
}

}  // namespace tarvek::search
