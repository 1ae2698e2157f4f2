// tarvek-catalog --size SERVICES.csv --output FILE: a services list sized tag by tag, each tag's
// valve checked, the cheapest standard valve proposed for the tags without one, and written as
// the list with its results (CSV), a workbook with the sheet "Services", the specification
// sheets (PDF) or a quote document, without a window or a display.
#pragma once

#include <iosfwd>

namespace tarvek {

struct CommandLine;

// Reads the list (standard input for "-") and the gases of the program's own Gases.mdb, writes
// the output and tells on `errors` every row not read, every valve proposed and every tag that
// does not fit. Returns the exit status: 0 when every tag fits, 1 when any does not or a row
// was not read, 3 when the list or the gases could not be read or the output not written.
int runSize(const CommandLine& command, const char* program, int input, std::ostream& errors);

}  // namespace tarvek
