#include "assets/gas_table.h"

#include <charconv>
#include <stdexcept>

namespace tarvek::gasdb {
namespace {

constexpr std::string_view kHeading = "Gas Name,Specific Gravity,Specific Heat";

jet4::Value number(const std::optional<double>& value) { return value ? jet4::Value{*value} : jet4::Value{}; }

std::optional<double> parseNumber(std::string_view text, std::size_t line) {
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::runtime_error("gases.csv line " + std::to_string(line) +
                                 ": not a number: " + std::string(text));
    return value;
}

}  // namespace

jet4::Table gasTable(const std::vector<GasRow>& rows, std::string_view tableName) {
    jet4::Table table{std::string(tableName),
                      {{"Gas Name", jet4::ColumnType::Text},
                       {"Specific Gravity", jet4::ColumnType::Double},
                       {"Specific Heat", jet4::ColumnType::Double}},
                      {},
                      {}};
    for (const GasRow& row : rows)
        table.rows.push_back({row.name, number(row.specificGravity), number(row.specificHeat)});
    return table;
}

jet4::WrittenDatabase gasDatabase(const std::vector<GasRow>& rows) {
    return jet4::writeDatabase({gasTable(rows)});
}

std::vector<GasRow> readGasCsv(std::string_view text) {
    std::vector<GasRow> rows;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (++lineNumber == 1) {
            if (line != kHeading)
                throw std::runtime_error("gases.csv: the heading must be " + std::string(kHeading));
            continue;
        }
        if (line.empty()) continue;
        const auto first = line.find(',');
        const auto second = line.find(',', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos ||
            line.find(',', second + 1) != std::string_view::npos)
            throw std::runtime_error("gases.csv line " + std::to_string(lineNumber) + ": needs three fields");
        rows.push_back({std::string(line.substr(0, first)),
                        parseNumber(line.substr(first + 1, second - first - 1), lineNumber),
                        parseNumber(line.substr(second + 1), lineNumber)});
    }
    return rows;
}

}  // namespace tarvek::gasdb
