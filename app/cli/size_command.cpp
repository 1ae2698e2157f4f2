#include "app/cli/size_command.h"

#include <ostream>

#include "app/cli/command_files.h"
#include "app/cli/command_line.h"
#include "app/quote/quotation_workbook.h"
#include "app/quote/specification_print.h"
#include "app/window_pictures.h"
#include "platform/workbook_sheet.h"
#include "rules/quotes/quotation_document.h"
#include "rules/quotes/service_steps.h"
#include "rules/quotes/services_list.h"
#include "rules/quotes/services_table.h"
#include "rules/search/search_index.h"

namespace tarvek {
namespace {

// A services list as large as a quote document may be.
constexpr std::size_t kLargestList = kLargestQuoteDocument;

QString write(OutputFormat format, const QString& path, const Quotation& quotation,
              const std::vector<std::optional<ServiceCheck>>& checks) {
    switch (format) {
        case OutputFormat::Csv: {
            const std::string csv = servicesCsv(servicesTable(quotation, checks));
            return writeTextFile(path, [&](const TextSink& sink) { sink(csv); });
        }
        case OutputFormat::Document:
            return writeTextFile(path,
                                 [&](const TextSink& sink) { writeQuotationDocument(quotation, sink); });
        case OutputFormat::Workbook:
            return writeQuotationWorkbook(path, quotation, true,
                                          {servicesSheet(servicesTable(quotation, checks))});
        case OutputFormat::Pdf:
            return writeSpecificationPdf(
                path, specificationPrint(specificationSheets(quotation, checks, true), brandPicture()));
        case OutputFormat::None:
            break;
    }
    return QStringLiteral("no format");
}

// The tags without a valve given the cheapest standard one that serves them, each said.
bool proposeForTags(Quotation& quotation, std::span<const GasRecord> gases, std::ostream& errors) {
    bool allServed = true;
    for (QuotationLine& line : quotation.lines) {
        if (!line.partNumber.empty() || !line.service) continue;
        const ServiceCheck check = *checkLine(line, gases);
        if (check.verdict != Verdict::NoValve) continue;  // no sizing: nothing to ask of a valve
        const search::ValveProposals proposals = lineProposals(line, check, search::searchIndex(), 1);
        if (proposals.valves.empty()) {
            errors << "tarvek-catalog: " << line.service->tag << ": no standard valve serves it"
                   << (proposals.problem.empty() ? "" : ": " + proposals.problem) << '\n';
            allServed = false;
            continue;
        }
        line = withProposal(line, proposals.valves.front());
        std::vector<ConfiguratorEvent>().swap(line.events);  // the files need no configurator
        errors << "tarvek-catalog: " << line.service->tag << ": proposed " << line.partNumber
               << ", the cheapest standard valve that serves it (marked proposed)\n";
    }
    return allServed;
}

int sizeServices(const CommandLine& command, int input, std::ostream& errors) {
    const std::string listPath = command.values("--size").front(),
                      output = command.values("--output").front();
    const OutputFormat format = outputFormatOf(output);
    if (format == OutputFormat::None) return unknownOutputFormat(errors);
    std::string text, error;
    if (!readInputFile(listPath, input, kLargestList, text, error)) {
        errors << "tarvek-catalog: cannot read " << listPath << ": " << error << '\n';
        return kExitInputOutput;
    }
    const std::optional<std::vector<GasRecord>> gases = programGases(errors);
    if (!gases) return kExitInputOutput;

    const search::SearchIndex& index = search::searchIndex();
    const ServiceChoices choices{*gases, search::connectionKindNames(index),
                                 search::connectionSizeNames(index)};
    // A text of rows, or a workbook: its sheet "Services" as the program exports it, else its first.
    ServicesList list;
    if (isWorkbookFile(text)) {
        SheetReading sheet = readWorkbookSheet(text, kServicesSheet);
        if (!sheet.problem.empty()) {
            errors << "tarvek-catalog: cannot read " << listPath << ": " << sheet.problem << '\n';
            return kExitInputOutput;
        }
        list = readServicesRows(sheet.rows, choices);
    } else {
        list = readServicesCsv(text, choices);
    }
    std::string().swap(text);
    PastedQuotationLines read = serviceLinesOf(list, LineEvents::Dropped);
    list = {};
    for (const PastedProblem& problem : read.problems)
        errors << "tarvek-catalog: " << listPath << ", " << problemText(problem) << " (not read)\n";
    if (read.lines.empty()) {
        errors << "tarvek-catalog: " << listPath << ": no services\n";
        return kExitSomeFailed;
    }

    Quotation quotation = quotationStartedNow();
    quotation.lines = std::move(read.lines);
    const bool everyTagServed = proposeForTags(quotation, *gases, errors);
    bool everyTagFits = read.problems.empty() && everyTagServed;
    const std::vector<std::optional<ServiceCheck>> checks = checkLines(quotation, *gases);
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (!checks[i] || checks[i]->verdict == Verdict::Fits) continue;
        everyTagFits = false;
        errors << "tarvek-catalog: " << quotation.lines[i].service->tag << ": " << checks[i]->reason << '\n';
    }
    if (const QString problem = write(format, QString::fromStdString(output), quotation, checks);
        !problem.isEmpty()) {
        errors << "tarvek-catalog: cannot write " << output << ": " << problem.toStdString() << '\n';
        return kExitInputOutput;
    }
    return everyTagFits ? kExitDone : kExitSomeFailed;
}

}  // namespace

// The gas reader beside the program and the sheets' fonts need an application, and no display.
int runSize(const CommandLine& command, const char* program, int input, std::ostream& errors) {
    int status = kExitInputOutput;
    inOffscreenApplication(program, [&] { status = sizeServices(command, input, errors); });
    return status;
}

}  // namespace tarvek
