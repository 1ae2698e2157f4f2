#include "app/cli/quote_command.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <ostream>

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

enum class Format { Csv, Workbook, Pdf, Document, None };

Format formatOf(const std::string& output) {
    const QString suffix = QStringLiteral(".") + QFileInfo(QString::fromStdString(output)).suffix().toLower();
    if (suffix == QLatin1String(".csv")) return Format::Csv;
    if (suffix == QLatin1String(".xlsx")) return Format::Workbook;
    if (suffix == QLatin1String(".pdf")) return Format::Pdf;
    if (suffix == qstr(kQuoteDocumentExtension)) return Format::Document;
    return Format::None;
}

// The whole input, at most as large as a quote document may be; false with the reason.
bool readAll(int fd, std::string& text, std::string& error) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = std::strerror(errno);
            return false;
        }
        if (got == 0) return true;
        if (text.size() + std::size_t(got) > kLargestQuoteDocument) {
            error = "larger than 64 MiB";
            return false;
        }
        text.append(buffer, std::size_t(got));
    }
}

bool readLines(const std::string& path, int input, std::string& text, std::string& error) {
    if (path == "-") return readAll(input, text, error);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const bool read = readAll(fd, text, error);
    ::close(fd);
    return read;
}

// A text file written atomically as its pieces come, never held whole.
QString writeText(const QString& path, const std::function<void(const TextSink&)>& produce) {
    AtomicFileWriter writer(path);
    if (!writer.begin()) return writer.error();
    bool written = true;
    produce([&](std::string_view piece) {
        written = written && writer.write(QByteArray::fromRawData(piece.data(), qsizetype(piece.size())));
    });
    if (!written || !writer.commit()) return writer.error();
    return {};
}

QString write(Format format, const QString& path, Quotation quotation, const char* program) {
    switch (format) {
        case Format::Csv:
            return writeText(path, [&](const TextSink& sink) { writeQuotationCsv(quotation, true, sink); });
        case Format::Document:
            return writeText(path, [&](const TextSink& sink) { writeQuotationDocument(quotation, sink); });
        case Format::Workbook:
            return writeQuotationWorkbook(path, quotation);
        case Format::Pdf: {
            // Fonts and painting need a GUI application, but no display: the offscreen platform.
            int argc = 3;
            char platform[] = "-platform", offscreen[] = "offscreen";
            char* argv[] = {const_cast<char*>(program), platform, offscreen, nullptr};
            // Qt's own notes (no runtime folder, …) are not the tool's to print.
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    std::fprintf(stderr, "%s\n", qPrintable(message));
            });
            QGuiApplication app(argc, argv);
            return writeQuotationPdf(path, quotationSheet(std::move(quotation), true, brandPicture()));
        }
        case Format::None:
            break;
    }
    return QStringLiteral("no format");
}

}  // namespace

int runQuote(const CommandLine& command, const char* program, int input, std::ostream& errors) {
    const std::string lines = command.values("--quote").front(), output = command.values("--output").front();
    const Format format = formatOf(output);
    if (format == Format::None) {
        errors << "tarvek-catalog: --output must end in .csv, .xlsx, .pdf or " << kQuoteDocumentExtension
               << "\n\n"
               << usageText();
        return kExitUsage;
    }
    Quotation quotation;
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
    if (!readLines(lines, input, text, error)) {
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

    const QDateTime now = QDateTime::currentDateTime();
    quotation.header.number = quoteNumber(now.date().year(), now.date().month(), now.date().day(),
                                          now.time().hour(), now.time().minute(), now.time().second());
    quotation.header.date = now.date().toString(Qt::ISODate).toStdString();
    quotation.header.priceList = std::string(kCatalogueEdition);
    quotation.lines = std::move(pasted.lines);

    if (const QString problem = write(format, QString::fromStdString(output), std::move(quotation), program);
        !problem.isEmpty()) {
        errors << "tarvek-catalog: cannot write " << output << ": " << problem.toStdString() << '\n';
        return kExitInputOutput;
    }
    return pasted.problems.empty() ? kExitDone : kExitSomeFailed;
}

}  // namespace tarvek
