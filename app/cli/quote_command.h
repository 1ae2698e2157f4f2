// tarvek-catalog --quote LINES.csv --output FILE [--discount N] [--customer TEXT]: a quote
// of the part numbers in a file, written as CSV, XLSX, PDF or a quote document, without a
// window or a display.
#pragma once

#include <iosfwd>

namespace tarvek {

struct CommandLine;

// Reads the lines (standard input for "-"), writes the quote and tells on `errors` every
// number that was not added and every failure. Returns the exit status.
int runQuote(const CommandLine& command, const char* program, int input, std::ostream& errors);

}  // namespace tarvek
