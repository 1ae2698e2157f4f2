// Finding a row of a constant catalogue table: exact, case-sensitive, first match wins;
// and the entries of a list, which always point into the catalogue's own storage.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

namespace tarvek {

using Entries = std::span<const std::string_view>;

// The position of a row in its table.
template <typename Table>
constexpr std::size_t rowIndex(const Table& table, const typename Table::value_type& row) {
    return std::size_t(&row - table.data());
}

template <typename Table, typename Key>
constexpr auto findRow(const Table& table, Key key, std::string_view text) -> decltype(&*std::begin(table)) {
    for (const auto& row : table)
        if (row.*key == text) return &row;
    return nullptr;
}

// The list a row of a table opens, derived from the tables once, on first use: every list
// that shows it points into this one copy. `derive` gives the entries of one row.
template <typename Table, typename Derive>
Entries derivedEntries(const Table& table, const typename Table::value_type& row, Derive derive) {
    static const auto lists = [&] {
        std::array<std::vector<std::string_view>, std::tuple_size_v<Table>> all;
        for (const auto& r : table) all[rowIndex(table, r)] = derive(r);
        return all;
    }();
    return lists[rowIndex(table, row)];
}

}  // namespace tarvek
