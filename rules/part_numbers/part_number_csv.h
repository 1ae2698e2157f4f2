// The decoder's answers as CSV (RFC 4180, UTF-8, lines ending in CR LF): a header row, then
// one row per part number, its configuration as the lists and options show it. The same row
// can be written straight from a configuration, as the price book does.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/configurator/configurator_state.h"
#include "rules/part_numbers/part_number_decoder.h"

namespace tarvek {

// The status column's word for a decoding: "ok", "ambiguous" or "unknown".
std::string_view statusText(PartNumberDecoding::Status status);

// The column names, in order.
std::span<const std::string_view> csvColumns();

std::string csvHeader();
// `asGiven` is the number as the user wrote it; it is repeated in the first column, without
// the blanks around it.
std::string csvRow(std::string_view asGiven, const PartNumberDecoding& decoding);
// One field, quoted where it holds a comma, a quote or a line end.
std::string csvField(std::string_view text);

// A row's fields in column order. Kept between rows, they keep their room.
using CsvFields = std::vector<std::string>;
// The fields of a configuration as --decode writes its own part number: status "ok", the
// part number as the catalogue writes it in the first column and the last.
void configurationFields(const ConfiguratorState& state, CsvFields& fields);
// The fields as one line, with its line end, added to `out`.
void appendCsvLine(std::string& out, std::span<const std::string> fields);

}  // namespace tarvek
