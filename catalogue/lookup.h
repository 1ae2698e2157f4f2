// Finding a row of a constant catalogue table: exact, case-sensitive, first match wins.
#pragma once

#include <string_view>

namespace tarvek {

template <typename Table, typename Key>
constexpr auto findRow(const Table& table, Key key, std::string_view text) -> decltype(&*std::begin(table)) {
    for (const auto& row : table)
        if (row.*key == text) return &row;
    return nullptr;
}

}  // namespace tarvek
