// End connections: the code each entry writes in each position, and its price.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/portings.h"
#include "rules/catalogue/price.h"

namespace tarvek {

// What a connection is, by the letters of its code: the plain codes whatever the size, the
// numbered tube stubs and the half-inch face seals by their sixteenths of an inch.
enum class ConnectionKind {
    Unused,             // X: a position the porting does not use, or not chosen yet
    TubeStub,           // T
    MaleFaceSeal,       // M
    FemaleFaceSeal,     // F
    FixedMaleFaceSeal,  // V
    NumberedStub4,      // 4
    NumberedStub6,      // 6
    NumberedStub8,      // 8
    MaleFaceSeal8,      // M8
    FemaleFaceSeal8,    // F8
};

constexpr bool isNumberedTubeStub(ConnectionKind kind) {
    return kind == ConnectionKind::NumberedStub4 || kind == ConnectionKind::NumberedStub6 ||
           kind == ConnectionKind::NumberedStub8;
}

// The codes of a position not chosen: position 1 opens the block with its dash.
inline constexpr std::array<std::string_view, 4> kUnusedPositionCodes = {"-X", "X", "X", "X"};

struct Connection {
    std::string_view entry;
    ConnectionKind kind;
    // Codes for positions 1 to 4. Position 1 opens the block with its dash; the blanks of
    // " F" (position 2) and "M " (position 4) are the catalogue's own and stay.
    std::array<std::string_view, 4> codes;
    Price price;
};

// clang-format off
inline constexpr std::array<Connection, 18> kConnections = {{
    {connection::T14, ConnectionKind::TubeStub, {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, .049 Wall, 1/4 inch", ConnectionKind::TubeStub, {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, 3/8 inch", ConnectionKind::TubeStub, {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, .049 Wall, 3/8 inch", ConnectionKind::TubeStub, {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, 1/2 inch", ConnectionKind::TubeStub, {"-T", "T", "T", "T"}, "0"},
    {connection::M14, ConnectionKind::MaleFaceSeal, {"-M", "M", "M", "M "}, "45"},
    {"M - Male Face Seal, 1/4 inch Hi Flo", ConnectionKind::MaleFaceSeal, {"-M", "M", "M", "M"}, "30"},
    {"M - Male Face Seal, 1/2 inch", ConnectionKind::MaleFaceSeal, {"-M", "M", "M", "M "}, "45"},
    {connection::F14, ConnectionKind::FemaleFaceSeal, {"-F", " F", "F", "F"}, "25"},
    {"F - Female Face Seal, 1/4 inch Hi Flo", ConnectionKind::FemaleFaceSeal, {"-F", "F", "F", "F"}, "30"},
    {"F - Female Face Seal, 1/2 inch", ConnectionKind::FemaleFaceSeal, {"-F", " F", "F", "F"}, "45"},
    {connection::V14, ConnectionKind::FixedMaleFaceSeal, {"-V", "V", "V", "V"}, "20"},
    {"4 - Tube Stub, 1/4 inch", ConnectionKind::NumberedStub4, {"-4", "4", "4", "4"}, "10"},
    {"6 - Tube Stub, 3/8 inch", ConnectionKind::NumberedStub6, {"-6", "6", "6", "6"}, "10"},
    {"8 - Tube Stub, 1/2 inch", ConnectionKind::NumberedStub8, {"-8", "8", "8", "8"}, "10"},
    {"8 - Tube Stub, .065 Wall, 1/2 inch", ConnectionKind::NumberedStub8, {"-8", "8", "8", "8"}, "20"},
    {"M8 - Male Face Seal, 1/2 inch", ConnectionKind::MaleFaceSeal8, {"-M8", "M8", "M8", "M8"}, "35"},
    {"F8 - Female Face Seal, 1/2 inch", ConnectionKind::FemaleFaceSeal8, {"-F8", "F8", "F8", "F8"}, "35"},
}};
// clang-format on

}  // namespace tarvek
