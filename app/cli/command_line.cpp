#include "app/cli/command_line.h"

#include <algorithm>
#include <array>
#include <span>

#include "rules/quotes/quotation_document.h"

#ifndef TARVEK_VERSION
#define TARVEK_VERSION "unknown"
#endif

namespace tarvek {
namespace {

using Action = CommandLine::Action;

// An option of a mode, after the mode's own option.
struct ModeOption {
    std::string_view name;
    bool takesValue;
    bool required = false;
    bool once = false;  // given twice is a usage error
};

// A mode without a window: the option that chooses it, what follows it and what it may repeat.
struct Mode {
    std::string_view option;
    Action action;
    std::span<const ModeOption> options;
    bool takesOperands;      // everything after the option is an operand (part numbers may begin with a dash)
    std::string_view needs;  // the usage error when nothing follows
    bool takesValue = false;  // the option itself takes a value, kept as its own (option, value)
};

constexpr ModeOption kListOptions[] = {{"--filter", true}, {"--standard-only", false}};
constexpr ModeOption kFlowOptions[] = {
    {"--method", true},        {"--gas", true},        {"--sg", true},          {"--k", true},
    {"--temperature-f", true}, {"--inlet-psig", true}, {"--outlet-psig", true}, {"--cv", true},
    {"--flow-slm", true},      {"--xt", true},         {"--z", true},
};
constexpr ModeOption kQuoteOptions[] = {
    {"--output", true, true, true}, {"--discount", true, false, true}, {"--customer", true, false, true}};
constexpr ModeOption kSizeOptions[] = {{"--output", true, true, true}};

constexpr std::array<Mode, 5> kModes = {{
    {"--decode",
     Action::Decode,
     {},
     true,
     "--decode needs part numbers, or - to read them from standard input"},
    {"--list", Action::List, kListOptions, false, ""},
    {"--flow", Action::Flow, kFlowOptions, false, {}},
    {"--quote", Action::Quote, kQuoteOptions, false, "--quote needs a file of part numbers (LINES.csv)",
     true},
    {"--size", Action::Size, kSizeOptions, false, "--size needs a services list (SERVICES.csv)", true},
}};

// Qt's own options, which the window passes to Qt: with a value, or alone.
constexpr std::string_view kQtOptionsWithValue[] = {"-platform",        "-platformpluginpath",
                                                    "-platformtheme",   "-plugin",
                                                    "-qwindowgeometry", "-qwindowicon",
                                                    "-qwindowtitle",    "-style",
                                                    "-stylesheet",      "-display",
                                                    "-geometry",        "-session",
                                                    "-fontengine"};
constexpr std::string_view kQtOptionsAlone[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

template <typename List>
bool contains(const List& list, std::string_view name) {
    return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

// A Qt option, alone or as "-style=fusion": how many arguments it takes, 0 when it is none.
int qtOptionLength(std::string_view arg, bool nextExists) {
    const std::string_view name = arg.substr(0, arg.find('='));
    if (contains(kQtOptionsAlone, arg)) return 1;
    if (!contains(kQtOptionsWithValue, name)) return 0;
    if (name.size() < arg.size()) return 1;  // the value after "="
    return nextExists ? 2 : 0;
}

CommandLine usageError(std::string error) {
    CommandLine command;
    command.action = Action::UsageError;
    command.error = std::move(error);
    return command;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// "Q.tquote", "q.TQUOTE": the quote document's ending, in any case.
bool isQuoteDocumentName(std::string_view arg) {
    if (arg.size() <= kQuoteDocumentExtension.size()) return false;
    const std::string_view ending = arg.substr(arg.size() - kQuoteDocumentExtension.size());
    return std::equal(ending.begin(), ending.end(), kQuoteDocumentExtension.begin(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b; });
}

// The rest of the command line after a mode's option.
CommandLine parseMode(const Mode& mode, int i, int argc, const char* const* argv) {
    CommandLine command;
    command.action = mode.action;
    if (mode.takesOperands) {
        command.numbers.assign(argv + i + 1, argv + argc);
        if (command.numbers.empty()) return usageError(std::string(mode.needs));
        // A part number may begin with one dash ("-MX2"), none with two: that is an option,
        // and the mode has none.
        for (const std::string& operand : command.numbers)
            if (operand.starts_with("--"))
                return usageError(quoted(operand) + " is not an option of " + std::string(mode.option));
        return command;
    }
    int k = i + 1;
    if (mode.takesValue) {
        if (k >= argc) return usageError(std::string(mode.needs));
        command.options.emplace_back(mode.option, argv[k++]);
    }
    for (; k < argc; ++k) {
        const std::string_view arg = argv[k];
        const std::string_view name = arg.substr(0, arg.find('='));
        const auto option = std::find_if(mode.options.begin(), mode.options.end(),
                                         [&](const ModeOption& o) { return o.name == name; });
        if (option == mode.options.end())
            return usageError(quoted(arg) + " is not an option of " + std::string(mode.option));
        if (!option->takesValue) {
            if (name.size() < arg.size()) return usageError(std::string(name) + " takes no value");
            command.options.emplace_back(name, "");
        } else if (name.size() < arg.size()) {
            command.options.emplace_back(name, arg.substr(name.size() + 1));
        } else if (k + 1 < argc) {
            command.options.emplace_back(name, argv[++k]);
        } else {
            return usageError(std::string(name) + " needs a value");
        }
    }
    for (const ModeOption& option : mode.options) {
        const std::size_t given = command.values(option.name).size();
        if (option.required && given == 0)
            return usageError(std::string(mode.option) + " needs " + std::string(option.name));
        if (option.once && given > 1) return usageError(std::string(option.name) + " is given twice");
    }
    return command;
}

}  // namespace

std::vector<std::string> CommandLine::values(std::string_view option) const {
    std::vector<std::string> found;
    for (const auto& [name, value] : options)
        if (name == option) found.push_back(value);
    return found;
}

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine command;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            if (argc > 2) return usageError(std::string(arg) + " stands alone, without other arguments");
            command.action = arg == "--version" ? Action::Version : Action::Help;
            return command;
        }
        if (const auto mode =
                std::find_if(kModes.begin(), kModes.end(), [&](const Mode& m) { return m.option == arg; });
            mode != kModes.end()) {
            if (command.part || command.quote)
                return usageError(std::string(command.part ? "--part" : "a quote document") +
                                  " opens the window; " + std::string(arg) + " works without one");
            return parseMode(*mode, i, argc, argv);
        }
        if (arg == "--part" || arg.starts_with("--part=")) {
            if (command.part) return usageError("--part is given twice");
            if (arg == "--part" && i + 1 >= argc) return usageError("--part needs a part number");
            command.part = arg == "--part" ? std::string(argv[++i]) : std::string(arg.substr(7));
            continue;
        }
        if (const int length = qtOptionLength(arg, i + 1 < argc); length > 0) {
            i += length - 1;
            continue;
        }
        if (arg.starts_with('-')) return usageError("unknown option " + quoted(arg));
        // A quote document, as the file manager hands it over; anything else is a mistake.
        if (!isQuoteDocumentName(arg))
            return usageError("unexpected argument " + quoted(arg) + "; a quote to open ends in " +
                              std::string(kQuoteDocumentExtension));
        if (command.quote) return usageError("one quote opens at a time, not " + quoted(arg) + " too");
        command.quote = std::string(arg);
    }
    return command;
}

std::string usageText() {
    return "Usage: tarvek-catalog [--part NUMBER] [QUOTE.tquote]\n"
           "       tarvek-catalog --decode NUMBER...\n"
           "       tarvek-catalog --decode -\n"
           "       tarvek-catalog --list [--filter COLUMN=VALUE]... [--standard-only]\n"
           "       tarvek-catalog --flow --method catalogue|iec (--gas NAME | --sg SG --k K)\n"
           "                      --temperature-f T --inlet-psig P1 --outlet-psig P2\n"
           "                      (--cv CV | --flow-slm Q) [--xt XT] [--z Z]\n"
           "       tarvek-catalog --quote LINES.csv --output FILE [--discount N] [--customer TEXT]\n"
           "       tarvek-catalog --size SERVICES.csv --output FILE\n"
           "\n"
           "The Tarvek Products Catalog: configure and price valves, regulators and fittings.\n"
           "\n"
           "  --part NUMBER     open the window with the configuration of this part number\n"
           "  QUOTE.tquote      open the window with this saved quote in the quote's window\n"
           "  --decode NUMBER   print the configurations of part numbers as CSV, without a window;\n"
           "                    - reads one part number per line from standard input\n"
           "  --list            print every orderable configuration as CSV (the price book), with\n"
           "                    --decode's columns and then cv and rated_psig\n"
           "    --filter COLUMN=VALUE   only rows whose COLUMN reads exactly VALUE; repeatable\n"
           "    --standard-only         only standard products\n"
           "  --flow            the flow through a valve of Cv CV, or the Cv a flow of Q slm needs, as\n"
           "                    one CSV row, without a window; by the catalogue's formula or by\n"
           "                    IEC 60534-2-1 (xT 0.5 and Z 1 unless given); --gas reads the\n"
           "                    program's own Gases.mdb, as the window does\n"
           "  --quote LINES.csv build a quote of the part numbers in LINES.csv (a header row\n"
           "                    with part_number, quantity and optionally discount), or in an\n"
           "                    XLSX workbook's sheet Lines (else its first sheet), as --output\n"
           "                    writes one; - reads standard input; without a window:\n"
           "    --output FILE   written as .csv, .xlsx, .pdf or .tquote (the quote document)\n"
           "    --discount N    the quote's discount in percent, for lines without their own\n"
           "    --customer TEXT the customer the quote is for\n"
           "  --size SERVICES.csv  size a list of tagged services (a header row with tag, gas or\n"
           "                    sg and k, temperature, inlet, outlet, flow_min, flow_normal,\n"
           "                    flow_max, …; - reads standard input) and check each tag's valve;\n"
           "                    tags without a part_number get the cheapest standard valve that\n"
           "                    serves them, marked proposed:\n"
           "    --output FILE   the list with its results (.csv), a workbook with its Services\n"
           "                    sheet (.xlsx), a specification sheet per tag (.pdf) or .tquote\n"
           "  --help            show this help\n"
           "  --version         show the catalogue's version\n"
           "\n"
           "Exit status without a window: 0 when everything was answered (every number decoded or\n"
           "added to the quote, every tag fits), 1 when some input had no answer (a number was not\n"
           "decoded or not added, a flow has no result, a tag does not fit or was not read), 2 for a\n"
           "wrong command line, 3 when the input could not be read or the output not written.\n";
}

std::string versionText() { return "tarvek-catalog " TARVEK_VERSION "\n"; }

}  // namespace tarvek
