// Gas databases for the calculator's tests, benchmarks and fuzzer, made with the Jet 4
// writer of the shipped one: the tables a reader must read right, and damaged copies it
// must survive. Also where the runtime folder is (its reader program and Gases.mdb):
// these programs run from the build tree, and the build tells them.
#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "assets/gas_table.h"
#include "platform/gas_data_source.h"

namespace gastest {

using tarvek::gasdb::GasRow;
using Bytes = std::vector<std::uint8_t>;

inline QString runtimeFile(const char* name) {
    return QStringLiteral(TARVEK_TEST_RUNTIME_DIR "/") + QLatin1String(name);
}

// The reader program of the runtime folder, for programs that do not run from there.
inline void useRuntimeReader() { tarvek::setGasReaderProgram(runtimeFile("tarvek-gas-reader")); }

inline bool save(const QString& path, const Bytes& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

inline std::vector<GasRow> threeGases() {
    return {{"Air", 1.0, 1.4}, {"Oxygen", 1.105, 1.4}, {"Helium", 0.138, 1.667}};
}

inline std::vector<GasRow> manyGases(int count) {
    std::vector<GasRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({"Test gas " + std::to_string(i + 1), 0.5 + i * 0.001, 1.3});
    return rows;
}

inline Bytes gasFile(const std::vector<GasRow>& rows) { return tarvek::gasdb::gasDatabase(rows).bytes; }

// A property blob whose one chunk claims a length of 0: libmdb reads it for ever.
inline std::string zeroLengthPropertyChunk() {
    return std::string(
        "MR2\0"
        "\0\0\0\0"
        "\x80\0",
        10);
}

struct DamagedFile {
    std::string what;
    Bytes bytes;
};

// Damaged copies of a gas database: cut short, one byte of a table definition flipped,
// pages of noise, and a looping property blob. flipStride > 1 samples the flips.
inline std::vector<DamagedFile> damagedCopies(const std::vector<GasRow>& rows, int flipStride = 1) {
    const tarvek::jet4::WrittenDatabase written = tarvek::gasdb::gasDatabase(rows);
    std::vector<DamagedFile> copies;
    for (const std::size_t size :
         {std::size_t(0), std::size_t(100), std::size_t(4096), std::size_t(4096 * 2 + 17),
          written.bytes.size() / 2, written.bytes.size() - 1})
        copies.push_back({"cut to " + std::to_string(size) + " bytes",
                          Bytes(written.bytes.begin(), written.bytes.begin() + std::ptrdiff_t(size))});

    // Both definitions: the catalogue's (page 2) and the gas table's.
    constexpr std::size_t kDefinitionBytes = 240;  // fixed block, columns and names
    for (const std::uint32_t page : {std::uint32_t(2), written.definitionPages.front()})
        for (std::size_t at = 0; at < kDefinitionBytes; at += std::size_t(flipStride))
            for (const std::uint8_t flip : {std::uint8_t(0xFF), std::uint8_t(0x01)}) {
                Bytes copy = written.bytes;
                copy[page * tarvek::jet4::kPageSize + at] ^= flip;
                copies.push_back({"page " + std::to_string(page) + " byte " + std::to_string(at) + " xor " +
                                      std::to_string(flip),
                                  std::move(copy)});
            }

    std::mt19937 random(20130205);
    for (const std::size_t size : {std::size_t(4096), written.bytes.size(), std::size_t(64 * 1024)}) {
        Bytes noise(size);
        for (auto& byte : noise) byte = std::uint8_t(random());
        copies.push_back({std::to_string(size) + " bytes of noise", std::move(noise)});
    }
    Bytes noisyPages = written.bytes;  // a real header over noise
    for (std::size_t i = tarvek::jet4::kPageSize; i < noisyPages.size(); ++i)
        noisyPages[i] = std::uint8_t(random());
    copies.push_back({"noise after the header page", std::move(noisyPages)});

    tarvek::jet4::Table looping = tarvek::gasdb::gasTable(rows);
    looping.properties = zeroLengthPropertyChunk();
    copies.push_back({"zero-length property chunk", tarvek::jet4::writeDatabase({looping}).bytes});
    return copies;
}

}  // namespace gastest
