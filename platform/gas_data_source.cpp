#include "platform/gas_data_source.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include "rules/calculator/gas_listing.h"

namespace tarvek {
namespace {

constexpr qsizetype kMaxListingBytes = 16 * 1024 * 1024;
constexpr int kStopWaitMs = 1000;

QString& chosenReaderProgram() {
    static QString program;
    return program;
}

// The reader gets no environment of the user's but the C locale: libmdb would take its
// text encoding and debugging switches from there.
QProcessEnvironment readerEnvironment() {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    return environment;
}

void stop(QProcess& reader) {
    reader.kill();
    reader.waitForFinished(kStopWaitMs);
}

}  // namespace

QString gasReaderProgram() {
    if (!chosenReaderProgram().isEmpty()) return chosenReaderProgram();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tarvek-gas-reader");
}

void setGasReaderProgram(const QString& path) { chosenReaderProgram() = path; }

GasReadResult readGasRecords(const QString& databasePath, std::chrono::milliseconds timeLimit) {
    const QDeadlineTimer deadline(timeLimit);
    QProcess reader;
    reader.setProcessEnvironment(readerEnvironment());
    reader.setStandardInputFile(QProcess::nullDevice());
    reader.setStandardErrorFile(QProcess::nullDevice());  // libmdb's complaints
    reader.start(gasReaderProgram(), {databasePath}, QIODevice::ReadOnly);
    if (!reader.waitForStarted(int(deadline.remainingTime()))) {
        stop(reader);
        return {GasReadStatus::NotStarted, {}};
    }

    QByteArray listing;
    while (reader.state() != QProcess::NotRunning) {
        if (!reader.waitForReadyRead(int(deadline.remainingTime())) &&
            reader.state() != QProcess::NotRunning) {
            stop(reader);
            return {GasReadStatus::TimedOut, {}};
        }
        listing += reader.readAllStandardOutput();
        if (listing.size() > kMaxListingBytes) {
            stop(reader);
            return {GasReadStatus::Malformed, {}};
        }
    }
    listing += reader.readAllStandardOutput();

    if (reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == kReaderFoundNoTable)
        return {GasReadStatus::NoTable, {}};
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return {GasReadStatus::Crashed, {}};
    auto records = readGasListing(std::string_view(listing.constData(), std::size_t(listing.size())));
    if (!records) return {GasReadStatus::Malformed, {}};
    return {GasReadStatus::Read, std::move(*records)};
}

}  // namespace tarvek
