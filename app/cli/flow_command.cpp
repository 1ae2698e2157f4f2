#include "app/cli/flow_command.h"

#include <QDir>
#include <algorithm>
#include <ostream>
#include <variant>

#include "app/cli/command_files.h"
#include "platform/data_folder.h"
#include "platform/streams.h"
#include "rules/calculator/flow_question.h"
#include "rules/calculator/input_validation.h"

namespace tarvek {
namespace {

constexpr std::string_view kOptions[] = {
    "--method", "--gas",      "--sg", "--k", "--temperature-f", "--inlet-psig", "--outlet-psig",
    "--cv",     "--flow-slm", "--xt", "--z"};
constexpr std::string_view kNumbers[] = {
    "--sg", "--k", "--temperature-f", "--inlet-psig", "--outlet-psig", "--cv", "--flow-slm", "--xt", "--z"};

struct Usage {
    std::string error;
};

std::optional<std::string> value(const CommandLine& command, std::string_view option) {
    const std::vector<std::string> values = command.values(option);
    if (values.empty()) return std::nullopt;
    return values.front();
}

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The question the options ask, or what is wrong with them.
std::variant<FlowQuestion, Usage> question(const CommandLine& command) {
    for (const std::string_view option : kOptions)
        if (command.values(option).size() > 1) return Usage{std::string(option) + " is given twice"};
    for (const std::string_view option : kNumbers)
        if (const auto text = value(command, option); text && !isNumeric(*text))
            return Usage{std::string(option) + " needs a number, not " + inQuotes(*text)};

    FlowQuestion q;
    const auto method = value(command, "--method");
    if (!method) return Usage{"--flow needs --method catalogue or --method iec"};
    if (*method != "catalogue" && *method != "iec")
        return Usage{"--method is catalogue or iec, not " + inQuotes(*method)};
    q.method = *method == "iec" ? CalculationMethod::Iec : CalculationMethod::Catalogue;

    const bool byName = command.has("--gas"), byValues = command.has("--sg") || command.has("--k");
    if (byName == byValues) return Usage{"--flow needs either --gas NAME or --sg SG with --k K"};
    if (byValues && !(command.has("--sg") && command.has("--k")))
        return Usage{"--sg and --k are given together"};
    q.gas = value(command, "--gas").value_or("");
    q.specificGravity = value(command, "--sg").value_or("");
    q.specificHeat = value(command, "--k").value_or("");

    for (const auto& [option, text] :
         {std::pair{"--temperature-f", &q.temperature}, std::pair{"--inlet-psig", &q.inletPressure},
          std::pair{"--outlet-psig", &q.outletPressure}}) {
        const auto given = value(command, option);
        if (!given) return Usage{"--flow needs " + std::string(option)};
        *text = *given;
    }
    q.cv = value(command, "--cv");
    q.flow = value(command, "--flow-slm");
    if (q.cv.has_value() == q.flow.has_value()) return Usage{"--flow needs either --cv or --flow-slm"};
    q.xt = value(command, "--xt");
    q.z = value(command, "--z");
    if (q.z && q.method != CalculationMethod::Iec) return Usage{"--z belongs to --method iec"};
    return q;
}

}  // namespace

int runFlow(const CommandLine& command, int output, std::ostream& errors) {
    auto asked = question(command);
    if (const auto* usage = std::get_if<Usage>(&asked)) {
        errors << "tarvek-catalog: " << usage->error << "\n\n" << usageText();
        return kExitUsage;
    }
    FlowQuestion& q = std::get<FlowQuestion>(asked);
    if (!q.gas.empty()) {
        const std::optional<std::vector<GasRecord>> gases = programGases(errors);
        if (!gases) return kExitInputOutput;
        // The first gas of the name, as the window's list gives it.
        const auto gas = std::ranges::find(*gases, q.gas, &GasRecord::name);
        if (gas == gases->end()) {
            errors << "tarvek-catalog: no gas named " << inQuotes(q.gas) << " in "
                   << QDir::toNativeSeparators(dataFile(QStringLiteral("Gases.mdb"))).toStdString() << '\n';
            return kExitSomeFailed;
        }
        q.specificGravity = gas->specificGravity;
        q.specificHeat = gas->specificHeat;
    }

    const FlowAnswer answer = answerFlow(q);
    if (answer.row.empty()) {
        errors << "tarvek-catalog: " << answer.noResult << '\n';
        return kExitSomeFailed;
    }
    Output out(output);
    out.write(flowCsvHeader());
    out.write(answer.row);
    if (out.flush()) return kExitDone;
    errors << "tarvek-catalog: cannot write the answer: " << out.error() << '\n';
    return kExitInputOutput;
}

}  // namespace tarvek
