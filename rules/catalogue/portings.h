// Portings: what each porting code writes and activates, and the connections each body offers.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "rules/catalogue/lookup.h"
#include "rules/catalogue/price.h"

namespace tarvek {

struct Porting {
    std::string_view entry;
    Contribution written;
    std::array<bool, 4> positions;  // connection positions 1 to 4 it uses
    std::string_view drawing;       // top view of the porting
    // The fixed male face seal fits the two ends of this porting on the series that offer it.
    bool fixedMaleEnds = false;
};

// clang-format off
inline constexpr std::array<Porting, 15> kPortings = {{
    {"2A", {"-2A", "0"}, {true, false, true, false}, "2A.wmf", true},
    {"2B", {"-2B", "15"}, {true, true, false, false}, "2B.wmf"},
    {"2C", {"-2C", "15"}, {true, false, false, true}, "2C.wmf"},
    {"2D", {"-2D", "40"}, {true, false, true, false}, "2D.wmf"},
    {"3A", {"-3A", "30"}, {true, true, false, true}, "3A.wmf"},
    {"3B", {"-3B", "15"}, {true, true, true, false}, "3B.wmf"},
    {"3C", {"-3C", "30"}, {true, true, true, false}, "3C.wmf"},
    {"3D", {"-3D", "30"}, {true, true, true, false}, "3D.wmf"},
    {"3E", {"-3E", "30"}, {true, false, true, true}, "3E.wmf"},
    {"3F", {"-3F", "30"}, {true, true, false, true}, "3F.wmf"},
    {"3G", {"-3G", "40"}, {true, true, false, true}, "3G.wmf"},
    {"4A", {"-4A", "50"}, {true, true, true, true}, "4A.wmf"},
    {"4B", {"-4B", "50"}, {true, true, true, true}, "4B.wmf"},
    {"4C", {"-4C", "50"}, {true, true, true, true}, "4C.wmf"},
    {"4D", {"-4D", "50"}, {true, true, true, true}, "4D.wmf"},
}};
// clang-format on

inline constexpr std::string_view kPortingFrameCaption = "Porting (Top View)";

// Connection entry texts offered by more than one body.
namespace connection {
inline constexpr std::string_view T14 = "T - Tube Stub, 1/4 inch";
inline constexpr std::string_view M14 = "M - Male Face Seal, 1/4 inch";
inline constexpr std::string_view F14 = "F - Female Face Seal, 1/4 inch";
inline constexpr std::string_view V14 = "V - Fixed Male Face Seal, 1/4 inch";
}  // namespace connection

namespace connection_sets {
using namespace connection;
inline constexpr std::string_view MX12[] = {T14, M14, F14, "6 - Tube Stub, 3/8 inch"};
inline constexpr std::string_view MX3[] = {"4 - Tube Stub, 1/4 inch",
                                           "T - Tube Stub, 3/8 inch",
                                           "M - Male Face Seal, 1/4 inch Hi Flo",
                                           "F - Female Face Seal, 1/4 inch Hi Flo",
                                           "8 - Tube Stub, 1/2 inch",
                                           "M8 - Male Face Seal, 1/2 inch",
                                           "F8 - Female Face Seal, 1/2 inch"};
inline constexpr std::string_view MX4[] = {"T - Tube Stub, 1/2 inch", "M - Male Face Seal, 1/2 inch",
                                           "F - Female Face Seal, 1/2 inch"};
inline constexpr std::string_view HMX2[] = {"T - Tube Stub, .049 Wall, 1/4 inch"};
inline constexpr std::string_view HMX3[] = {"T - Tube Stub, .049 Wall, 3/8 inch",
                                            "8 - Tube Stub, .065 Wall, 1/2 inch"};
inline constexpr std::string_view GN[] = {T14, M14, F14};
}  // namespace connection_sets

struct ConnectionSet {
    std::string_view body;  // body list entry
    std::span<const std::string_view> connections;
    bool offersFixedMale;  // at the ends of a porting with fixedMaleEnds, after its own entries
};

// clang-format off
inline constexpr std::array<ConnectionSet, 8> kConnectionSets = {{
    {"MX1 - Miniature Series", connection_sets::MX12, false},
    {"MX2 - Standard Series", connection_sets::MX12, true},
    {"MX3 - High Flow Series", connection_sets::MX3, false},
    {"MX4 - Bulk Flow Series", connection_sets::MX4, false},
    {"HMX2 - Very High Pressure Series", connection_sets::HMX2, true},
    {"HMX3 - Very High Pressure, High Flow", connection_sets::HMX3, false},
    {"GN1 - Miniature Series", connection_sets::GN, false},
    {"GN2 - Standard Series", connection_sets::GN, false},
}};
// clang-format on

// The porting list: every porting's entry, in table order.
Entries portingEntries();
// A connection list of a body of kConnectionSets, with the fixed male face seal added at
// the end where the porting offers it.
Entries connectionEntries(const ConnectionSet& set, bool withFixedMale);

}  // namespace tarvek
