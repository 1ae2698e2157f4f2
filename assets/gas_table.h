// The gas table "Gas Data" as a Jet 4 table, and the CSV file it is made from
// (data/gases.csv: a heading line, then name, specific gravity relative to air and ratio
// of specific heats k; an empty value is a missing one).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/jet4_writer.h"

namespace tarvek::gasdb {

struct GasRow {
    std::string name;
    std::optional<double> specificGravity;
    std::optional<double> specificHeat;
};

inline constexpr std::string_view kGasTableName = "Gas Data";

jet4::Table gasTable(const std::vector<GasRow>& rows, std::string_view tableName = kGasTableName);

// The whole file with the gas table as its one table.
jet4::WrittenDatabase gasDatabase(const std::vector<GasRow>& rows);

// Throws std::runtime_error naming the line that is not a gas.
std::vector<GasRow> readGasCsv(std::string_view text);

}  // namespace tarvek::gasdb
