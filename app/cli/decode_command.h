// tarvek-catalog --decode: part numbers from the arguments or standard input, answered as CSV.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarvek {

// Decodes the numbers ("-": every line of `input`) and writes the CSV to `output`; failures
// to read or write are told on `errors`. Returns the exit status.
int runDecode(const std::vector<std::string>& numbers, int input, int output, std::ostream& errors);

}  // namespace tarvek
