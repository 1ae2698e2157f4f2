#include "assets/jet4_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>

namespace tarvek::jet4 {
namespace {

static_assert(std::endian::native == std::endian::little, "the file format is little-endian");

using Bytes = std::vector<std::uint8_t>;

// Page layout of every file: the header, the page holding the usage maps, then the
// catalogue's definition on page 2 (where every reader looks for it) and its rows.
constexpr std::uint32_t kUsageMapPage = 1;
constexpr std::uint32_t kCatalogPage = 2;

constexpr std::uint8_t kHeaderPageType = 0x00;
constexpr std::uint8_t kDataPageType = 0x01;
constexpr std::uint8_t kTableDefinitionPageType = 0x02;

// Data pages: type, a constant 1, free space, owning table definition, row count at 12,
// then one 16-bit offset per row; the rows themselves fill the page from its end.
constexpr std::size_t kDataRowCountAt = 12;
constexpr std::size_t kDataRowOffsetsAt = 14;
constexpr std::size_t kMaxRowsPerPage = 255;  // a row pointer holds the row number in one byte

// Table definitions: the fixed block, then 25 bytes per column, then the column names.
constexpr std::size_t kDefinitionRowCountAt = 16;
constexpr std::size_t kDefinitionTableTypeAt = 40;
constexpr std::size_t kDefinitionMaxColumnsAt = 41;
constexpr std::size_t kDefinitionVariableColumnsAt = 43;
constexpr std::size_t kDefinitionColumnsAt = 45;
constexpr std::size_t kDefinitionIndexCountsAt = 47;
constexpr std::size_t kDefinitionUsedPagesAt = 55;
constexpr std::size_t kDefinitionFreePagesAt = 59;
constexpr std::size_t kDefinitionColumnEntriesAt = 63;
constexpr std::size_t kColumnEntrySize = 25;
constexpr std::uint8_t kUserTable = 0x4e;
constexpr std::uint8_t kSystemTable = 0x53;

constexpr std::uint8_t kFixedColumn = 0x01;
constexpr std::uint8_t kNullableColumn = 0x02;
constexpr std::uint8_t kCompressedUnicode = 0x01;
constexpr std::uint16_t kGeneralSortOrder = 0x0409;

constexpr std::size_t kMaxTextCharacters = 255;
constexpr std::size_t kLongValueHeaderSize = 12;
constexpr std::uint32_t kLongValueInline = 0x80000000;

// The header page: the engine's name, the version (1 = Jet 4) and a masked block.
constexpr std::string_view kEngineName = "Standard Jet DB";
constexpr std::size_t kVersionAt = 0x14;
constexpr std::uint32_t kJet4 = 1;
constexpr std::size_t kMaskedAt = 0x18;
constexpr std::size_t kMaskedLength = 128;
constexpr std::array<std::uint8_t, 4> kMaskKey = {0xC7, 0xDA, 0x39, 0x6B};
constexpr std::size_t kCodePageAt = 0x3C;
constexpr std::size_t kDatabaseKeyAt = 0x3E;  // 0: no page is encrypted
constexpr std::size_t kSortOrderAt = 0x6E;
constexpr std::size_t kCreatedAt = 0x72;
constexpr std::uint16_t kWesternCodePage = 1252;
constexpr double kCreationDate = 41310.0;  // 5 Feb 2013, days since 30 Dec 1899; fixed so builds repeat

// Catalogue rows: object type 1 is a table; these flags mark a system table.
constexpr std::int64_t kTableObject = 1;
constexpr std::int64_t kSystemObjectFlags = 0x80000002;

void put16(Bytes& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = std::uint8_t(value);
    bytes[at + 1] = std::uint8_t(value >> 8);
}
void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    put16(bytes, at, value & 0xFFFF);
    put16(bytes, at + 2, value >> 16);
}
void append16(Bytes& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 2);
    put16(bytes, bytes.size() - 2, value);
}
void append32(Bytes& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 4);
    put32(bytes, bytes.size() - 4, value);
}
template <typename T>
void putRaw(Bytes& bytes, std::size_t at, const T& value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// UTF-8 to UTF-16 code units; the format stores UCS-2, so only the basic plane.
std::u16string utf16(std::string_view text) {
    std::u16string units;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = std::uint8_t(text[i]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : 0;
        if (length == 0 || i + length > text.size()) throw WriteError("text is not UTF-8 of the basic plane");
        std::uint32_t code = length == 1 ? byte : length == 2 ? byte & 0x1F : byte & 0x0F;
        for (int k = 1; k < length; ++k) {
            const auto next = std::uint8_t(text[i + k]);
            if ((next >> 6) != 0x2) throw WriteError("text is not UTF-8");
            code = (code << 6) | (next & 0x3F);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800};
        if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF))
            throw WriteError("text is not UTF-8");
        units.push_back(char16_t(code));
        i += std::size_t(length);
    }
    return units;
}

Bytes ucs2(const std::u16string& units) {
    Bytes bytes;
    for (const char16_t unit : units) append16(bytes, unit);
    return bytes;
}

// A text value: the compressed form (a marker, then one byte per character) when every
// character fits a byte and that is shorter, otherwise plain UCS-2.
Bytes textValue(std::string_view text) {
    const std::u16string units = utf16(text);
    if (units.size() > kMaxTextCharacters) throw WriteError("text longer than 255 characters");
    const bool fitsBytes =
        std::all_of(units.begin(), units.end(), [](char16_t c) { return c > 0 && c <= 0xFF; });
    if (!fitsBytes || units.size() <= 2) return ucs2(units);
    Bytes bytes = {0xFF, 0xFE};
    for (const char16_t unit : units) bytes.push_back(std::uint8_t(unit));
    return bytes;
}

// A long binary value kept inside its row: length with the "inline" flag, two unused
// page pointers, then the bytes.
Bytes longValue(std::string_view data) {
    Bytes bytes;
    bytes.reserve(kLongValueHeaderSize + data.size());
    append32(bytes, std::uint32_t(data.size()) | kLongValueInline);
    append32(bytes, 0);
    append32(bytes, 0);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

std::size_t fixedSize(ColumnType type) {
    switch (type) {
        case ColumnType::Integer:
            return 2;
        case ColumnType::LongInteger:
            return 4;
        case ColumnType::Double:
            return 8;
        case ColumnType::Text:
        case ColumnType::LongBinary:
            return 0;
    }
    return 0;
}

// Where each column lives in a row: fixed columns at an offset, the others by number.
struct ColumnPlace {
    Column column;
    bool fixed;
    std::uint16_t fixedOffset = 0;
    std::uint16_t variableIndex = 0;
};

struct TableLayout {
    std::vector<ColumnPlace> places;
    std::size_t fixedBytes = 0;
    std::size_t variableColumns = 0;
};

TableLayout layOut(const std::vector<Column>& columns) {
    TableLayout layout;
    for (const Column& column : columns) {
        ColumnPlace place{column, fixedSize(column.type) > 0};
        if (place.fixed) {
            place.fixedOffset = std::uint16_t(layout.fixedBytes);
            layout.fixedBytes += fixedSize(column.type);
        } else {
            place.variableIndex = std::uint16_t(layout.variableColumns++);
        }
        layout.places.push_back(place);
    }
    return layout;
}

void putFixed(Bytes& row, std::size_t at, ColumnType type, const Value& value) {
    if (type == ColumnType::Double) {
        const double* number = std::get_if<double>(&value);
        if (!number) throw WriteError("a double column needs a number");
        putRaw(row, at, *number);
        return;
    }
    const std::int64_t* integer = std::get_if<std::int64_t>(&value);
    if (!integer) throw WriteError("an integer column needs an integer");
    if (type == ColumnType::Integer)
        put16(row, at, std::uint32_t(*integer));
    else
        put32(row, at, std::uint32_t(*integer));
}

Bytes variableValue(ColumnType type, const Value& value) {
    const std::string* text = std::get_if<std::string>(&value);
    if (!text) throw WriteError("a text or long binary column needs a text");
    return type == ColumnType::Text ? textValue(*text) : longValue(*text);
}

// A row: column count, fixed columns, variable columns, their offsets from the end
// backwards (end of data first), their count, then one "has a value" bit per column.
Bytes encodeRow(const TableLayout& layout, const std::vector<Value>& values) {
    if (values.size() != layout.places.size()) throw WriteError("a row has the wrong number of values");
    const std::size_t columns = layout.places.size();
    Bytes row(2 + layout.fixedBytes, 0);
    put16(row, 0, std::uint32_t(columns));
    Bytes presence((columns + 7) / 8, 0);
    std::vector<std::uint16_t> variableStarts(layout.variableColumns);

    for (std::size_t i = 0; i < columns; ++i) {
        const ColumnPlace& place = layout.places[i];
        const bool present = !std::holds_alternative<std::monostate>(values[i]);
        if (present) presence[i / 8] |= std::uint8_t(1u << (i % 8));
        if (place.fixed && present) putFixed(row, 2 + place.fixedOffset, place.column.type, values[i]);
    }
    for (std::size_t v = 0; v < layout.variableColumns; ++v) {
        const auto place =
            std::find_if(layout.places.begin(), layout.places.end(),
                         [v](const ColumnPlace& p) { return !p.fixed && p.variableIndex == v; });
        const std::size_t i = std::size_t(place - layout.places.begin());
        variableStarts[v] = std::uint16_t(row.size());
        if (!std::holds_alternative<std::monostate>(values[i])) {
            const Bytes data = variableValue(place->column.type, values[i]);
            row.insert(row.end(), data.begin(), data.end());
        }
    }
    if (layout.variableColumns > 0) {
        append16(row, std::uint32_t(row.size()));
        for (std::size_t v = layout.variableColumns; v-- > 0;) append16(row, variableStarts[v]);
        append16(row, std::uint32_t(layout.variableColumns));
    }
    row.insert(row.end(), presence.begin(), presence.end());
    if (row.size() + 2 > kPageSize - kDataRowOffsetsAt) throw WriteError("a row does not fit a page");
    return row;
}

Bytes dataPage(std::uint32_t owner, const std::vector<Bytes>& rows) {
    Bytes page(kPageSize, 0);
    page[0] = kDataPageType;
    page[1] = 0x01;
    put32(page, 4, owner);
    put16(page, kDataRowCountAt, std::uint32_t(rows.size()));
    std::size_t end = kPageSize;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        end -= rows[i].size();
        std::copy(rows[i].begin(), rows[i].end(), page.begin() + std::ptrdiff_t(end));
        put16(page, kDataRowOffsetsAt + 2 * i, std::uint32_t(end));
    }
    put16(page, 2, std::uint32_t(end - (kDataRowOffsetsAt + 2 * rows.size())));
    return page;
}

// Fills pages in row order; a page takes rows while they and their offsets fit.
std::vector<std::vector<Bytes>> packRows(const std::vector<Bytes>& rows) {
    std::vector<std::vector<Bytes>> pages;
    std::size_t room = 0;
    for (const Bytes& row : rows) {
        if (pages.empty() || row.size() + 2 > room || pages.back().size() == kMaxRowsPerPage) {
            pages.emplace_back();
            room = kPageSize - kDataRowOffsetsAt;
        }
        pages.back().push_back(row);
        room -= row.size() + 2;
    }
    return pages;
}

// A usage map kept in a row: type 0, the first page it covers, one bit per page.
Bytes usageMap(const std::vector<std::uint32_t>& pages) {
    const std::uint32_t first = pages.empty() ? 0 : pages.front();
    const std::uint32_t last = pages.empty() ? 0 : pages.back();
    Bytes map = {0};
    append32(map, first);
    map.resize(5 + (last - first) / 8 + 1, 0);
    for (const std::uint32_t page : pages)
        map[5 + (page - first) / 8] |= std::uint8_t(1u << ((page - first) % 8));
    return map;
}

std::uint32_t rowPointer(std::uint32_t page, std::size_t row) { return (page << 8) | std::uint32_t(row); }

Bytes definitionPage(const Table& table, const TableLayout& layout, bool system, std::uint32_t usedPages,
                     std::uint32_t freePages) {
    Bytes page(kPageSize, 0);
    page[0] = kTableDefinitionPageType;
    page[1] = 0x01;
    put32(page, kDefinitionRowCountAt, std::uint32_t(table.rows.size()));
    page[kDefinitionTableTypeAt] = system ? kSystemTable : kUserTable;
    put16(page, kDefinitionMaxColumnsAt, std::uint32_t(table.columns.size()));
    put16(page, kDefinitionVariableColumnsAt, std::uint32_t(layout.variableColumns));
    put16(page, kDefinitionColumnsAt, std::uint32_t(table.columns.size()));
    put32(page, kDefinitionIndexCountsAt, 0);
    put32(page, kDefinitionIndexCountsAt + 4, 0);
    put32(page, kDefinitionUsedPagesAt, usedPages);
    put32(page, kDefinitionFreePagesAt, freePages);

    std::size_t at = kDefinitionColumnEntriesAt;
    Bytes names;
    for (std::size_t i = 0; i < layout.places.size(); ++i, at += kColumnEntrySize) {
        if (at + kColumnEntrySize > kPageSize) throw WriteError("too many columns");
        const ColumnPlace& place = layout.places[i];
        const bool text = place.column.type == ColumnType::Text;
        page[at] = std::uint8_t(place.column.type);
        put16(page, at + 5, std::uint32_t(i));  // column number
        put16(page, at + 7, place.variableIndex);
        put16(page, at + 9, std::uint32_t(i));  // number within the row
        if (text) put16(page, at + 11, kGeneralSortOrder);
        page[at + 15] = std::uint8_t(kNullableColumn | (place.fixed ? kFixedColumn : 0));
        page[at + 16] = text ? kCompressedUnicode : 0;
        put16(page, at + 21, place.fixedOffset);
        put16(page, at + 23, std::uint32_t(text ? 2 * kMaxTextCharacters : fixedSize(place.column.type)));

        const std::u16string name = utf16(place.column.name);
        if (name.empty() || name.size() > 64) throw WriteError("a column name needs 1 to 64 characters");
        append16(names, std::uint32_t(2 * name.size()));
        const Bytes encoded = ucs2(name);
        names.insert(names.end(), encoded.begin(), encoded.end());
    }
    if (at + names.size() > kPageSize) throw WriteError("the table definition does not fit a page");
    std::copy(names.begin(), names.end(), page.begin() + std::ptrdiff_t(at));
    at += names.size();
    put16(page, 2, std::uint32_t(kPageSize - at - 8));  // free space, less 8 as the engine counts it
    put32(page, 8, std::uint32_t(at));
    return page;
}

// RC4, the mask of the header block.
void mask(Bytes& bytes, std::size_t at, std::size_t length) {
    std::array<std::uint8_t, 256> state;
    for (std::size_t i = 0; i < 256; ++i) state[i] = std::uint8_t(i);
    for (std::size_t i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + kMaskKey[i % kMaskKey.size()]) % 256;
        std::swap(state[i], state[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) % 256;
        j = (j + state[i]) % 256;
        std::swap(state[i], state[j]);
        bytes[at + n] ^= state[(state[i] + state[j]) % 256];
    }
}

Bytes headerPage() {
    Bytes page(kPageSize, 0);
    page[0] = kHeaderPageType;
    page[1] = 0x01;
    std::copy(kEngineName.begin(), kEngineName.end(), page.begin() + 4);
    put32(page, kVersionAt, kJet4);
    put16(page, kCodePageAt, kWesternCodePage);
    put32(page, kDatabaseKeyAt, 0);
    put16(page, kSortOrderAt, kGeneralSortOrder);
    putRaw(page, kCreatedAt, kCreationDate);
    mask(page, kMaskedAt, kMaskedLength);
    return page;
}

const std::vector<Column> kCatalogColumns = {
    {"Id", ColumnType::LongInteger},    {"Name", ColumnType::Text},         {"Type", ColumnType::Integer},
    {"Flags", ColumnType::LongInteger}, {"LvProp", ColumnType::LongBinary},
};

Value propertiesValue(const std::string& properties) {
    return properties.empty() ? Value{} : Value{properties};
}

Table catalog(const std::vector<Table>& tables, const std::vector<std::uint32_t>& definitionPages) {
    Table objects{"MSysObjects", kCatalogColumns, {}, {}};
    objects.rows.push_back(
        {std::int64_t{kCatalogPage}, std::string("MSysObjects"), kTableObject, kSystemObjectFlags, Value{}});
    for (std::size_t t = 0; t < tables.size(); ++t)
        objects.rows.push_back({std::int64_t{definitionPages[t]}, tables[t].name, kTableObject,
                                std::int64_t{0}, propertiesValue(tables[t].properties)});
    return objects;
}

std::vector<Bytes> encodeRows(const Table& table, const TableLayout& layout) {
    std::vector<Bytes> rows;
    rows.reserve(table.rows.size());
    for (const auto& values : table.rows) rows.push_back(encodeRow(layout, values));
    return rows;
}

}  // namespace

WrittenDatabase writeDatabase(const std::vector<Table>& tables) {
    for (const Table& table : tables) {
        const std::u16string name = utf16(table.name);
        if (name.empty() || name.size() > 64) throw WriteError("a table name needs 1 to 64 characters");
    }

    // The catalogue's row sizes do not depend on the page numbers it records, so one
    // packing with placeholder pages tells how many pages it takes.
    const std::vector<std::uint32_t> placeholders(tables.size(), 0);
    const TableLayout catalogLayout = layOut(kCatalogColumns);
    const std::size_t catalogPages =
        packRows(encodeRows(catalog(tables, placeholders), catalogLayout)).size();

    // Pages of every table: its definition, then its data pages.
    std::vector<TableLayout> layouts;
    std::vector<std::vector<std::vector<Bytes>>> packed;
    std::vector<std::uint32_t> definitionPages;
    std::uint32_t next = kCatalogPage + 1 + std::uint32_t(catalogPages);
    for (const Table& table : tables) {
        layouts.push_back(layOut(table.columns));
        packed.push_back(packRows(encodeRows(table, layouts.back())));
        definitionPages.push_back(next);
        next += 1 + std::uint32_t(packed.back().size());
    }

    const Table objects = catalog(tables, definitionPages);
    const auto catalogRows = packRows(encodeRows(objects, catalogLayout));

    std::vector<Bytes> pages(next);
    pages[0] = headerPage();

    // Each table owns two usage maps on page 1: its pages, and its pages with room left
    // (none: the files are written once and never grow).
    std::vector<Bytes> maps;
    const auto addTable = [&](const Table& table, const TableLayout& layout, bool system,
                              std::uint32_t definition, const std::vector<std::vector<Bytes>>& dataPages) {
        std::vector<std::uint32_t> owned;
        for (std::size_t p = 0; p < dataPages.size(); ++p) {
            owned.push_back(definition + 1 + std::uint32_t(p));
            pages[owned.back()] = dataPage(definition, dataPages[p]);
        }
        const std::uint32_t used = rowPointer(kUsageMapPage, maps.size());
        maps.push_back(usageMap(owned));
        const std::uint32_t free = rowPointer(kUsageMapPage, maps.size());
        maps.push_back(usageMap({}));
        pages[definition] = definitionPage(table, layout, system, used, free);
    };
    addTable(objects, catalogLayout, true, kCatalogPage, catalogRows);
    for (std::size_t t = 0; t < tables.size(); ++t)
        addTable(tables[t], layouts[t], false, definitionPages[t], packed[t]);

    const auto mapPages = packRows(maps);
    if (mapPages.size() != 1) throw WriteError("too many tables for one page of usage maps");
    pages[kUsageMapPage] = dataPage(0, mapPages.front());

    WrittenDatabase written;
    written.bytes.reserve(pages.size() * kPageSize);
    for (const Bytes& page : pages) written.bytes.insert(written.bytes.end(), page.begin(), page.end());
    written.definitionPages = definitionPages;
    return written;
}

}  // namespace tarvek::jet4
