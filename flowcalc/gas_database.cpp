#include "flowcalc/gas_database.h"

#include <mdbtools.h>

#include <cstring>
#include <memory>

#include "config/number_text.h"
#include "flowcalc/input_validation.h"

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
    const int number = mdb_bind_column_by_name(table, const_cast<gchar*>(name), field.text.get(), &field.length);
    if (number < 1 || guint(number) > table->columns->len) return false;
    field.column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, guint(number - 1)));
    return field.column != nullptr;
}

// Tables are found as the engine finds them: by name, whatever the case of its letters.
MdbCatalogEntry* findTable(MdbHandle* mdb) {
    GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE);
    if (!catalog) return nullptr;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry && entry->object_type == MDB_TABLE && g_ascii_strcasecmp(entry->object_name, kTableName) == 0)
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
    const bool onPage = column.cur_value_start >= 0 && column.cur_value_start + column.cur_value_len <= MDB_PGSIZE;
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

    MdbCatalogEntry* entry = findTable(mdb.get());
    if (!entry) return std::nullopt;
    const std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get())) return std::nullopt;

    BoundField name, specificGravity, specificHeat;
    if (!bind(table.get(), kNameField, name) || !bind(table.get(), kSpecificGravityField, specificGravity) ||
        !bind(table.get(), kSpecificHeatField, specificHeat))
        return std::nullopt;

    std::vector<GasRecord> records;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        if (records.size() == kMaxGasRecords) return std::nullopt;
        records.push_back({name.value(), numberField(mdb.get(), specificGravity), numberField(mdb.get(), specificHeat)});
    }
    return records;
}

}  // namespace tarvek
