// The gas reader's output: the rows of "Gas Data" as lines of text, written by the reader
// program and read back strictly by the window, where anything unexpected (a cut-off
// listing, stray output, a malformed line) reads as no database.
//
//   tarvek gas listing 1
//   gas TAB <name> TAB <specific gravity> TAB <specific heat>    a line per row, in table order
//   end TAB <number of rows>
//
// The reader's exit status is 0 with a listing, kReaderFoundNoTable when there is no
// database, table or fields; any other end is a failure of the reader itself.
//
// Names are UTF-8 with backslash, tab, line feed and carriage return written as \\ \t
// \n \r; values are empty or a number in its ordinary decimal text (15 digits at most).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/calculator/gas_record.h"

namespace tarvek {

inline constexpr int kReaderFoundNoTable = 3;
inline constexpr int kReaderMisused = 4;

std::string writeGasListing(const std::vector<GasRecord>& records);

std::optional<std::vector<GasRecord>> readGasListing(std::string_view listing);

}  // namespace tarvek
