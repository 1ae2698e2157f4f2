// End connections: the code each entry writes in each position, and its price.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/portings.h"

namespace tarvek {

struct Connection {
    std::string_view entry;
    // Codes for positions 1 to 4. Position 1 opens the block with its dash; the blanks of
    // " F" (position 2) and "M " (position 4) are the catalogue's own and stay.
    std::array<std::string_view, 4> codes;
    std::string_view price;
};

// clang-format off
inline constexpr std::array<Connection, 18> kConnections = {{
    {connection::T14, {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, .049 Wall, 1/4 inch", {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, 3/8 inch", {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, .049 Wall, 3/8 inch", {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, 1/2 inch", {"-T", "T", "T", "T"}, "0"},
    {connection::M14, {"-M", "M", "M", "M "}, "45"},
    {"M - Male Face Seal, 1/4 inch Hi Flo", {"-M", "M", "M", "M"}, "30"},
    {"M - Male Face Seal, 1/2 inch", {"-M", "M", "M", "M "}, "45"},
    {connection::F14, {"-F", " F", "F", "F"}, "25"},
    {"F - Female Face Seal, 1/4 inch Hi Flo", {"-F", "F", "F", "F"}, "30"},
    {"F - Female Face Seal, 1/2 inch", {"-F", " F", "F", "F"}, "45"},
    {connection::V14, {"-V", "V", "V", "V"}, "20"},
    {"4 - Tube Stub, 1/4 inch", {"-4", "4", "4", "4"}, "10"},
    {"6 - Tube Stub, 3/8 inch", {"-6", "6", "6", "6"}, "10"},
    {"8 - Tube Stub, 1/2 inch", {"-8", "8", "8", "8"}, "10"},
    {"8 - Tube Stub, .065 Wall, 1/2 inch", {"-8", "8", "8", "8"}, "20"},
    {"M8 - Male Face Seal, 1/2 inch", {"-M8", "M8", "M8", "M8"}, "35"},
    {"F8 - Female Face Seal, 1/2 inch", {"-F8", "F8", "F8", "F8"}, "35"},
}};
// clang-format on

}  // namespace tarvek
