#include "app/cli/command_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "app/cli/command_line.h"
#include "app/controls.h"
#include "platform/atomic_file.h"
#include "platform/data_folder.h"
#include "platform/gas_data_source.h"
#include "rules/quotes/quotation_document.h"

namespace tarvek {
namespace {

bool readAll(int fd, std::size_t largest, std::string& text, std::string& error) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = std::strerror(errno);
            return false;
        }
        if (got == 0) return true;
        if (text.size() + std::size_t(got) > largest) {
            error = "larger than " + std::to_string(largest / (1024 * 1024)) + " MiB";
            return false;
        }
        text.append(buffer, std::size_t(got));
    }
}

}  // namespace

OutputFormat outputFormatOf(const std::string& output) {
    const QString suffix = QStringLiteral(".") + QFileInfo(QString::fromStdString(output)).suffix().toLower();
    if (suffix == QLatin1String(".csv")) return OutputFormat::Csv;
    if (suffix == QLatin1String(".xlsx")) return OutputFormat::Workbook;
    if (suffix == QLatin1String(".pdf")) return OutputFormat::Pdf;
    if (suffix == qstr(kQuoteDocumentExtension)) return OutputFormat::Document;
    return OutputFormat::None;
}

int unknownOutputFormat(std::ostream& errors) {
    errors << "tarvek-catalog: --output must end in .csv, .xlsx, .pdf or " << kQuoteDocumentExtension
           << "\n\n"
           << usageText();
    return kExitUsage;
}

std::optional<std::vector<GasRecord>> programGases(std::ostream& errors) {
    const QString path = dataFile(QStringLiteral("Gases.mdb"));
    GasReadResult read = readGasRecords(path);
    if (read.status != GasReadStatus::Read) {
        errors << "tarvek-catalog: cannot read the gases from "
               << QDir::toNativeSeparators(path).toStdString() << '\n';
        return std::nullopt;
    }
    return std::move(read.records);
}

Quotation quotationStartedNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return freshQuotation(now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                          now.time().minute(), now.time().second());
}

bool readInputFile(const std::string& path, int input, std::size_t largest, std::string& text,
                   std::string& error) {
    if (path == "-") return readAll(input, largest, text, error);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const bool read = readAll(fd, largest, text, error);
    ::close(fd);
    return read;
}

QString writeTextFile(const QString& path, const std::function<void(const TextSink&)>& produce) {
    AtomicFileWriter writer(path);
    if (!writer.begin()) return writer.error();
    bool written = true;
    produce([&](std::string_view piece) {
        written = written && writer.write(QByteArray::fromRawData(piece.data(), qsizetype(piece.size())));
    });
    if (!written || !writer.commit()) return writer.error();
    return {};
}

void inOffscreenApplication(const char* program, const std::function<void()>& run) {
    int argc = 3;
    char platform[] = "-platform", offscreen[] = "offscreen";
    char* argv[] = {const_cast<char*>(program), platform, offscreen, nullptr};
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QGuiApplication app(argc, argv);
    run();
}

}  // namespace tarvek
