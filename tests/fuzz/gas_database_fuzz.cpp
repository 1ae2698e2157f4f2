// Fuzzes the gas database as the window reads it. Each input is used twice:
//  - as a Gases.mdb, read through the reader program with its time limit, as at
//    start-up: libmdb may crash or loop in the reader, but the read must end with rows
//    or with none, never take this process with it;
//  - as the reader's output, which the window's parser must take apart or refuse.
// Reader crashes and time-outs are counted (libmdb's findings) and, when the variable
// TARVEK_FUZZ_FINDINGS names a folder, kept there for study.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <map>

#include "platform/gas_data_source.h"
#include "rules/calculator/gas_listing.h"
#include "tests/support/gas_databases.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

// Shorter than the window's limit, so that inputs on which libmdb loops do not take all
// the fuzzing time; the window's reads of sound files take a few milliseconds.
constexpr std::chrono::milliseconds kTimeLimit{300};

struct Findings {
    std::map<tarvek::GasReadStatus, long> counts;
    ~Findings() {
        static const char* const names[] = {"read",           "not started",      "no table",
                                            "reader crashed", "reader timed out", "malformed listing"};
        for (const auto& [status, count] : counts)
            std::fprintf(stderr, "gas database fuzz: %s: %ld\n", names[int(status)], count);
    }
};
Findings findings;

void keep(const QByteArray& input, const char* kind) {
    const QByteArray folder = qgetenv("TARVEK_FUZZ_FINDINGS");
    if (folder.isEmpty()) return;
    const QString name = QString::fromLatin1(kind) + '-' + QString::number(qHash(input), 16) + ".mdb";
    QFile file(QString::fromLocal8Bit(folder) + '/' + name);
    if (file.open(QIODevice::WriteOnly)) file.write(input);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    if (const auto records = tarvek::readGasListing(std::string_view(input.constData(), size)))
        if (tarvek::readGasListing(tarvek::writeGasListing(*records)) != records) __builtin_trap();

    const QString path = folder.filePath(QStringLiteral("Gases.mdb"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(input) != input.size())
        __builtin_trap();
    file.close();
    const tarvek::GasReadResult result = tarvek::readGasRecords(path, kTimeLimit);
    ++findings.counts[result.status];
    if (result.status == tarvek::GasReadStatus::NotStarted) __builtin_trap();  // no reader: nothing is fuzzed
    if (result.status != tarvek::GasReadStatus::Read && !result.records.empty()) __builtin_trap();
    if (result.status == tarvek::GasReadStatus::Crashed) keep(input, "crash");
    if (result.status == tarvek::GasReadStatus::TimedOut) keep(input, "hang");
    return 0;
}
