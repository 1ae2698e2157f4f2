// The calculator's gas data source (dtaGasData): the rows of table "Gas Data" of the gas
// database, in table order.
//
// The rows are read by the reader program, beside the running program, in a process of
// its own with a time limit: libmdb can crash or loop on a damaged file, and neither may
// take the window with it. Whatever goes wrong (no reader, a crash, the time limit, an
// unexpected listing) reads as no database: no rows.
#pragma once

#include <QString>
#include <chrono>
#include <vector>

#include "rules/calculator/gas_record.h"

namespace tarvek {

enum class GasReadStatus {
    Read,        // the table was read
    NotStarted,  // the reader program could not be started
    NoTable,     // the reader found no database, table or fields
    Crashed,     // the reader died or failed
    TimedOut,    // the reader took longer than the time limit and was stopped
    Malformed,   // the reader's output was not a whole listing
};

struct GasReadResult {
    GasReadStatus status;
    std::vector<GasRecord> records;  // empty unless Read
};

inline constexpr std::chrono::milliseconds kGasReadTimeLimit{2000};

// Reads the database at this path through the reader program, stopping it after the
// time limit.
GasReadResult readGasRecords(const QString& databasePath,
                             std::chrono::milliseconds timeLimit = kGasReadTimeLimit);

// The reader program: "tarvek-gas-reader" in the running program's folder, unless
// another one was set (programs that run from elsewhere, such as the tests).
QString gasReaderProgram();
void setGasReaderProgram(const QString& path);

}  // namespace tarvek
