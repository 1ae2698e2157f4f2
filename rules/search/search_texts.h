// The search's texts that hold numbers: counts as the lists show them ("1,857,542"), the line
// that says what was found, a list's entry with its count, and a text cut to its first
// characters without breaking one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvek::search {

// Thousands separated by commas, whatever the desktop's language.
std::string countText(std::uint64_t count);

// "1 configuration in 1 group", "1,857,542 configurations in 521 groups"; for none, that no
// configuration meets every filter.
std::string foundText(std::uint64_t configurations, std::uint64_t groups);

// An entry as a list shows it: "MX2 - Standard Series  (12,345)".
std::string entryText(std::string_view name, std::uint64_t count);

// The first `characters` characters of a UTF-8 text (bytes that are no UTF-8 count as one).
std::string_view firstCharacters(std::string_view text, std::size_t characters);

}  // namespace tarvek::search
