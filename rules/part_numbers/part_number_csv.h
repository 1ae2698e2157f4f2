// The decoder's answers as CSV (RFC 4180, UTF-8, lines ending in CR LF): a header row, then
// one row per part number, its configuration as the lists and options show it.
#pragma once

#include <string>
#include <string_view>

#include "rules/part_numbers/part_number_decoder.h"

namespace tarvek {

std::string csvHeader();
// `asGiven` is the number as the user wrote it; it is repeated in the first column, without
// the blanks around it.
std::string csvRow(std::string_view asGiven, const PartNumberDecoding& decoding);
// One field, quoted where it holds a comma, a quote or a line end.
std::string csvField(std::string_view text);

}  // namespace tarvek
