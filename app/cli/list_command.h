// tarvek-catalog --list: the price book, every orderable configuration that meets the
// filters, as CSV on standard output.
#pragma once

#include <iosfwd>

namespace tarvek {

struct CommandLine;

// Writes the book to `output`; a filter naming no column is told on `errors` as a usage
// error, a failure to write with its reason. Returns the exit status.
int runList(const CommandLine& command, int output, std::ostream& errors);

}  // namespace tarvek
