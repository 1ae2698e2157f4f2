// Writes small Microsoft Access 2000 (Jet 4) database files: the header page, the system
// catalogue MSysObjects and user tables of text, number and long binary columns, each
// found through its own usage map. No indexes, no relationships, no encryption: enough
// for libmdb (and Access) to list the tables and read every row in order.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace tarvek::jet4 {

enum class ColumnType : std::uint8_t {
    Integer = 0x03,      // 16 bits
    LongInteger = 0x04,  // 32 bits
    Double = 0x07,
    Text = 0x0A,        // up to 255 characters
    LongBinary = 0x0B,  // "OLE"; only values small enough to stay inside their row
};

struct Column {
    std::string name;
    ColumnType type;
};

// A cell: no value (NULL), a UTF-8 text (text columns) or bytes (long binary columns),
// a number (double columns) or an integer (integer columns).
using Value = std::variant<std::monostate, std::string, double, std::int64_t>;

struct Table {
    std::string name;
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows;
    // The table's property blob in the catalogue (column LvProp); empty for none.
    std::string properties;
};

struct WrittenDatabase {
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint32_t> definitionPages;  // of the given tables, in their order
};

struct WriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr std::size_t kPageSize = 4096;

// Lays out the tables in the given order; throws WriteError for what the format cannot
// hold (a row larger than a page, a name over 255 characters, a mismatched row).
WrittenDatabase writeDatabase(const std::vector<Table>& tables);

}  // namespace tarvek::jet4
