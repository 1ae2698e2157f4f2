// Reads the gas table "Gas Data" of an Access database file with libmdb.
//
// libmdb trusts the file it reads: one damaged byte can make it crash, a damaged property
// blob can make it loop for ever. So the window never calls this itself: the reader
// program (gas_reader_main.cpp) does, in a process of its own (gas_data_source.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/calculator/gas_record.h"

namespace tarvek {

// The rows in table order, or nothing when the file, the table or one of the fields
// "Gas Name", "Specific Gravity", "Specific Heat" cannot be found.
std::optional<std::vector<GasRecord>> readGasDatabase(const std::string& path);

}  // namespace tarvek
