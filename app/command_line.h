// The program's command line: the window (optionally set to a part number), or part
// numbers decoded to CSV without a window, help and version.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tarvek {

struct CommandLine {
    enum class Action { Window, Decode, Help, Version, UsageError };
    Action action = Action::Window;
    std::vector<std::string> numbers;  // to decode; "-" reads one per line from standard input
    std::optional<std::string> part;   // the window opens with this part number looked up
    std::string error;                 // what was wrong, for a usage error
};

// Reads the options this program knows; anything else is left to Qt's own options.
CommandLine parseCommandLine(int argc, const char* const* argv);

std::string usageText();
std::string versionText();

// Writes the CSV of the numbers (or of the lines of `in` for "-") to `out`; returns the
// exit status: 0 when every number was decoded, 1 when any was not.
int runDecode(const std::vector<std::string>& numbers, std::istream& in, std::ostream& out);

}  // namespace tarvek
