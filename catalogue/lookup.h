// Finding a row of a constant catalogue table: exact, case-sensitive, first match wins;
// and the entries of a list, which always point into the catalogue's own storage.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

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

}  // namespace tarvek
