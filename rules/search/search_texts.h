// The search's texts: counts as the lists show them ("1,857,542"), the line that says what
// was found, a list's entry with its count, a text cut to its first characters without
// breaking one, and the entries of the lists that are no filter's (where a connection is, the
// results' order), which the window and the web page both show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvek::search {

// Where a connection of the chosen kind and size must be, in the order of ConnectionScope.
inline constexpr std::array<std::string_view, 6> kPlaces = {"on any port",     "on every port",
                                                            "at connection 1", "at connection 2",
                                                            "at connection 3", "at connection 4"};

// The search's name, as its window's title and the web page's tab say it.
inline constexpr std::string_view kSearchTitle = "Find by Requirement";

// The results' columns.
inline constexpr std::array<std::string_view, 5> kResultColumns = {
    "Part Number", "Description", "Configurations", "List Price US$", "Non-standard"};

// The results' orders, in the order of ResultOrder.
inline constexpr std::array<std::string_view, 4> kOrders = {
    "Catalogue order", "Part number", "List price, lowest first", "List price, highest first"};

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
