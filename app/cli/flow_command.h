// tarvek-catalog --flow: one flow question from the options, answered as one CSV row.
#pragma once

#include <iosfwd>

#include "app/cli/command_line.h"

namespace tarvek {

// Checks the options (a usage error otherwise), reads a gas named by --gas from Gases.mdb in
// the current folder as the window does, and writes the header and the row to `output`; the
// reason there is no answer, or a failure, goes to `errors`. Returns the exit status. With
// --gas it needs the application object, for the gas reader beside the program.
int runFlow(const CommandLine& command, int output, std::ostream& errors);

}  // namespace tarvek
