#include "app/command_line.h"

#include <iostream>
#include <string_view>

#include "rules/part_numbers/part_number_csv.h"
#include "rules/part_numbers/part_number_decoder.h"

#ifndef TARVEK_VERSION
#define TARVEK_VERSION "unknown"
#endif

namespace tarvek {

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine command;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            command.action = CommandLine::Action::Help;
            return command;
        }
        if (arg == "--version") {
            command.action = CommandLine::Action::Version;
            return command;
        }
        if (arg == "--decode") {
            // Everything after it is a part number: they may begin with a dash ("-MX2").
            command.numbers.assign(argv + i + 1, argv + argc);
            command.action =
                command.numbers.empty() ? CommandLine::Action::UsageError : CommandLine::Action::Decode;
            if (command.numbers.empty())
                command.error = "--decode needs part numbers, or - to read them from standard input";
            return command;
        }
        if (arg == "--part" || arg.starts_with("--part=")) {
            if (arg == "--part" && i + 1 >= argc) {
                command.action = CommandLine::Action::UsageError;
                command.error = "--part needs a part number";
                return command;
            }
            command.part = arg == "--part" ? std::string(argv[++i]) : std::string(arg.substr(7));
        }
    }
    return command;
}

std::string usageText() {
    return "Usage: tarvek-catalog [--part NUMBER]\n"
           "       tarvek-catalog --decode NUMBER...\n"
           "       tarvek-catalog --decode -\n"
           "\n"
           "The Tarvek Products Catalog: configure and price valves, regulators and fittings.\n"
           "\n"
           "  --part NUMBER     open the window with the configuration of this part number\n"
           "  --decode NUMBER   print the configurations of part numbers as CSV, without a window;\n"
           "                    - reads one part number per line from standard input\n"
           "  --help            show this help\n"
           "  --version         show the catalogue's version\n"
           "\n"
           "Exit status of --decode: 0 when every number was decoded, 1 when any was not,\n"
           "2 for a wrong command line.\n";
}

std::string versionText() { return "tarvek-catalog " TARVEK_VERSION "\n"; }

int runDecode(const std::vector<std::string>& numbers, std::istream& in, std::ostream& out) {
    const PartNumberDecoder& decoder = partNumberDecoder();
    bool allDecoded = true;
    std::string csv = csvHeader();
    const auto decode = [&](std::string_view number) {
        const PartNumberDecoding decoded = decoder.decode(number);
        allDecoded = allDecoded && decoded.status != PartNumberDecoding::Status::Unknown;
        csv += csvRow(number, decoded);
        if (csv.size() > 64 * 1024) {
            out << csv;
            csv.clear();
        }
    };
    for (const std::string& number : numbers) {
        if (number != "-") {
            decode(number);
            continue;
        }
        for (std::string line; std::getline(in, line);) decode(line);
    }
    out << csv;
    out.flush();
    return allDecoded ? 0 : 1;
}

}  // namespace tarvek
