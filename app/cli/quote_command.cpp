#include "app/cli/quote_command.h"

#include <ostream>

#include "app/cli/command_files.h"
#include "app/cli/command_line.h"
#include "app/controls.h"
#include "app/quote/imported_lines.h"
#include "app/quote/quotation_files.h"
#include "app/quote/quotation_print.h"
#include "app/quote/quotation_workbook.h"
#include "app/window_pictures.h"
#include "rules/quotes/pasted_lines.h"
#include "rules/quotes/quotation_csv.h"
#include "rules/quotes/quotation_document.h"
#include "rules/quotes/quote.h"

namespace tarvek {
namespace {

using Format = OutputFormat;

QString write(Format format, const QString& path, Quotation quotation, const char* program) {
    switch (format) {
        case Format::Csv:
            return writeTextFile(path,
                                 [&](const TextSink& sink) { writeQuotationCsv(quotation, true, sink); });
        case Format::Document:
            return writeTextFile(path,
                                 [&](const TextSink& sink) { writeQuotationDocument(quotation, sink); });
        case Format::Workbook:
            return writeQuotationWorkbook(path, quotation);
        case Format::Pdf: {
            QString problem;
            inOffscreenApplication(program, [&] {
                problem = writeQuotationPdf(path, quotationSheet(std::move(quotation), true, brandPicture()));
            });
            return problem;
        }
        case Format::None:
            break;
    }
    return QStringLiteral("no format");
}

}  // namespace

int runQuote(const CommandLine& command, const char* program, int input, std::ostream& errors) {
    const std::string lines = command.values("--quote").front(), output = command.values("--output").front();
    const Format format = outputFormatOf(output);
    if (format == Format::None) return unknownOutputFormat(errors);
    Quotation quotation = quotationStartedNow();
    if (command.has("--discount")) {
        std::string problem;
        quotation.header.discount = parsePercent(command.values("--discount").front(), &problem);
        if (!quotation.header.discount) {
            errors << "tarvek-catalog: --discount " << command.values("--discount").front() << ": " << problem
                   << "\n\n"
                   << usageText();
            return kExitUsage;
        }
    }
    if (command.has("--customer")) {
        // Refused rather than mended: a script is told, and no file holds what it did not mean.
        const std::string customer = command.values("--customer").front();
        if (const std::string problem = headerTextProblem(customer); !problem.empty()) {
            errors << "tarvek-catalog: --customer " << problem << "\n\n" << usageText();
            return kExitUsage;
        }
        quotation.header.customer = customer;
    }

    std::string text, error;
    if (!readInputFile(lines, input, kLargestQuoteDocument, text, error)) {
        errors << "tarvek-catalog: cannot read " << lines << ": " << error << '\n';
        return kExitInputOutput;
    }
    // A text of rows, or a workbook (the sheet "Lines" the program exports, else the first).
    std::string problem;
    PastedLines rows = importedLines(text, kMostPastedRows, problem);
    std::string().swap(text);  // the rows hold what the quote needs of it
    if (!problem.empty()) {
        errors << "tarvek-catalog: cannot read " << lines << ": " << problem << '\n';
        return kExitInputOutput;
    }
    if (rows.rows.empty() && rows.problems.empty()) {
        errors << "tarvek-catalog: " << lines << ": no lines\n";
        return kExitSomeFailed;
    }
    PastedQuotationLines pasted = quotationLinesOf(rows, LineEvents::Dropped);
    rows = {};
    for (const PastedProblem& problem : pasted.problems)
        errors << "tarvek-catalog: " << lines << ", " << problemText(problem) << " (not added)\n";

    quotation.lines = std::move(pasted.lines);

    if (const QString problem = write(format, QString::fromStdString(output), std::move(quotation), program);
        !problem.isEmpty()) {
        errors << "tarvek-catalog: cannot write " << output << ": " << problem.toStdString() << '\n';
        return kExitInputOutput;
    }
    return pasted.problems.empty() ? kExitDone : kExitSomeFailed;
}

}  // namespace tarvek
