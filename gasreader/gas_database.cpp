#include "gasreader/gas_database.h"

#include <mdbtools.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

#include "rules/calculator/input_validation.h"
#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

constexpr char kTableName[] = "Gas Data";
constexpr char kNameField[] = "Gas Name";
constexpr char kSpecificGravityField[] = "Specific Gravity";
constexpr char kSpecificHeatField[] = "Specific Heat";

struct HandleCloser {
    void operator()(MdbHandle* handle) const { mdb_close(handle); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// A column bound to a buffer of the size libmdb writes into, whatever the field holds.
struct BoundField {
    std::unique_ptr<char[]> text = std::make_unique<char[]>(MDB_BIND_SIZE);
    int length = 0;
    MdbColumn* column = nullptr;

    std::string value() const { return std::string(text.get(), strnlen(text.get(), MDB_BIND_SIZE)); }
};

bool bind(MdbTableDef* table, const char* name, BoundField& field) {
    const int number =
        mdb_bind_column_by_name(table, const_cast<gchar*>(name), field.text.get(), &field.length);
    if (number < 1 || guint(number) > table->columns->len) return false;
    field.column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, guint(number - 1)));
    return field.column != nullptr;
}

// The stored size of a fixed column of this kind; -1 for kinds stored elsewhere.
int fixedSize(int type) {
    switch (type) {
        case MDB_BYTE:
            return 1;
        case MDB_INT:
            return 2;
        case MDB_LONGINT:
        case MDB_FLOAT:
            return 4;
        case MDB_MONEY:
        case MDB_DOUBLE:
        case MDB_DATETIME:
            return 8;
        case MDB_NUMERIC:
            return 17;
        default:
            return -1;
    }
}

bool isNumberKind(int type) { return fixedSize(type) > 0 && type != MDB_DATETIME; }

// libmdb takes a table definition as it finds it. A damaged one (a flipped byte) gives
// rows with empty or foreign values instead of no rows, so the definition must hang
// together before its rows count: column kinds with their sizes, column numbers and
// variable-column numbers each used once, as many variable columns as it says, and fixed
// columns that do not overlap.
bool isSound(const MdbTableDef& table) {
    const GPtrArray* columns = table.columns;
    if (!columns || columns->len != table.num_cols) return false;
    std::vector<char> numberUsed(table.num_cols), variableUsed(table.num_var_cols);
    std::vector<std::pair<int, int>> fixedSpans;
    for (guint i = 0; i < columns->len; ++i) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(columns, i));
        if (!column || column->col_num < 0 || guint(column->col_num) >= table.num_cols ||
            std::exchange(numberUsed[std::size_t(column->col_num)], 1))
            return false;
        if (column->is_fixed) {
            if (fixedSize(column->col_type) != column->col_size) return false;
            fixedSpans.emplace_back(column->fixed_offset, column->fixed_offset + column->col_size);
        } else {
            if (column->col_type != MDB_TEXT && column->col_type != MDB_MEMO && column->col_type != MDB_OLE &&
                column->col_type != MDB_BINARY)
                return false;
            if (column->var_col_num >= table.num_var_cols ||
                std::exchange(variableUsed[column->var_col_num], 1))
                return false;
        }
    }
    std::sort(fixedSpans.begin(), fixedSpans.end());
    for (std::size_t i = 1; i < fixedSpans.size(); ++i)
        if (fixedSpans[i].first < fixedSpans[i - 1].second) return false;
    return std::all_of(variableUsed.begin(), variableUsed.end(), [](char used) { return used != 0; });
}

// Tables are found as the engine finds them: by name, whatever the case of its letters.
MdbCatalogEntry* findTable(MdbHandle* mdb) {
    GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE);
    if (!catalog) return nullptr;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry && entry->object_type == MDB_TABLE &&
            g_ascii_strcasecmp(entry->object_name, kTableName) == 0)
            return entry;
    }
    return nullptr;
}

// A number field as ordinary decimal text. Doubles and singles are read as stored:
// libmdb's own text for them follows the C library's locale and shows 16 digits
// ("0.07000000000000001"). Other kinds arrive as text and are read in the C locale.
std::string numberField(MdbHandle* mdb, const BoundField& field) {
    if (field.length <= 0) return {};  // no value
    const MdbColumn& column = *field.column;
    const bool onPage =
        column.cur_value_start >= 0 && column.cur_value_start + column.cur_value_len <= MDB_PGSIZE;
    if (column.col_type == MDB_DOUBLE && column.cur_value_len == 8 && onPage)
        return numberText(mdb_get_double(mdb->pg_buf, column.cur_value_start));
    if (column.col_type == MDB_FLOAT && column.cur_value_len == 4 && onPage)
        return numberText(mdb_get_single(mdb->pg_buf, column.cur_value_start));
    if (column.col_type == MDB_DOUBLE || column.col_type == MDB_FLOAT) return {};
    const std::string text = field.value();
    return isNumeric(text) ? numberText(leadingNumber(text)) : std::string();
}

}  // namespace

std::optional<std::vector<GasRecord>> readGasDatabase(const std::string& path) {
    const std::unique_ptr<MdbHandle, HandleCloser> mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb) return std::nullopt;
    mdb_set_bind_size(mdb.get(), MDB_BIND_SIZE);
    // A file cut short ends in part of a page, which libmdb reads as if whole.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size % std::uintmax_t(mdb->fmt->pg_size) != 0) return std::nullopt;

    MdbCatalogEntry* entry = findTable(mdb.get());
    if (!entry) return std::nullopt;
    const std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get()) || !isSound(*table)) return std::nullopt;

    BoundField name, specificGravity, specificHeat;
    if (!bind(table.get(), kNameField, name) || !bind(table.get(), kSpecificGravityField, specificGravity) ||
        !bind(table.get(), kSpecificHeatField, specificHeat))
        return std::nullopt;
    const auto isValueKind = [](const BoundField& field) {
        return isNumberKind(field.column->col_type) || field.column->col_type == MDB_TEXT;
    };
    if (name.column->col_type != MDB_TEXT || !isValueKind(specificGravity) || !isValueKind(specificHeat))
        return std::nullopt;

    std::vector<GasRecord> records;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        if (records.size() == kMaxGasRecords) return std::nullopt;
        records.push_back(
            {name.value(), numberField(mdb.get(), specificGravity), numberField(mdb.get(), specificHeat)});
    }
    return records;
}

}  // namespace tarvek
