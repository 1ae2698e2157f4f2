// The program's command line: the window (optionally set to a part number), or one of the
// modes that work without a window. Everything is checked before a window or a display is
// needed: an option this program (or Qt) does not know is a usage error.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvek {

// Exit statuses of the modes without a window.
inline constexpr int kExitDone = 0;         // everything asked for was answered
inline constexpr int kExitSomeFailed = 1;   // some input had no answer (an unknown part number, …)
inline constexpr int kExitUsage = 2;        // a wrong command line
inline constexpr int kExitInputOutput = 3;  // the input could not be read or the output not written

struct CommandLine {
    enum class Action { Window, Decode, List, Flow, Quote, Size, Help, Version, UsageError };
    Action action = Action::Window;
    std::vector<std::string> numbers;  // to decode; "-" reads one per line from standard input
    std::optional<std::string> part;   // the window opens with this part number looked up
    std::optional<std::string> quote;  // and with this quote document open in the quote's window
    // Options of a mode after its own, in the order given: ("--filter", "porting=2A").
    std::vector<std::pair<std::string, std::string>> options;
    std::string error;  // what was wrong, for a usage error

    // The values given to an option of the mode, in order; a flag gives one empty value.
    std::vector<std::string> values(std::string_view option) const;
    bool has(std::string_view option) const { return !values(option).empty(); }
};

CommandLine parseCommandLine(int argc, const char* const* argv);

std::string usageText();
std::string versionText();

}  // namespace tarvek
