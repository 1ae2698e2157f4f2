// What readers of lists compare a header row's names by, and how their messages write counts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvek {

// A column's name without case, blanks, underscores, periods or signs: "Part No." is "partno".
std::string columnKey(std::string_view name);

// "100,000": a count as the messages write it.
std::string countText(std::size_t count);

}  // namespace tarvek
