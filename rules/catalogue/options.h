// The seat/seal, handle-colour and lever-handle options: what each writes.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/price.h"

namespace tarvek {

// The three seat buttons read their own caption: valves offer seats, flow components seals.
struct SeatOption {
    std::string_view seatCaption;  // caption under which the seat applies
    std::string_view sealCaption;
    Contribution seat;
    Contribution seal;  // under any other caption
};

// Standard seat, Vespel seat or Kalrez seal, bleed seat or EPR seal.
inline constexpr std::array<SeatOption, 3> kSeatOptions = {{
    {"PCTFE (standard seat)", "Viton (standard seal)", {"", "0"}, {"", "0"}},
    {"VS - Vespel Seat", "KZ - Kalrez Seal", {"-VS", "30"}, {"-KZ", "75"}},
    {"B5 - Bleed Seat", "EP - EPR Seal", {"-B5", "30"}, {"-EP", "0"}},
}};

constexpr Contribution seatContribution(const SeatOption& option, std::string_view caption) {
    return caption == option.seatCaption ? option.seat : option.seal;
}

// Colours cost nothing; only the standard colour writes the colour price (back to "0").
struct ColourOption {
    std::string_view caption;
    Contribution written;
    bool writesPrice;
};

inline constexpr std::array<ColourOption, 6> kColourOptions = {{
    {"(std.) - Tarvek Blue", {"", "0"}, true},
    {"BK - Black", {"-BK"}, false},
    {"GR - Green", {"-GR"}, false},
    {"RD - Red", {"-RD"}, false},
    {"WH - White", {"-WH"}, false},
    {"YW - Yellow", {"-YW"}, false},
}};

inline constexpr std::string_view kLeverHandleCaption = "LS - Lever Handle";
inline constexpr Contribution kLeverHandleOn = {"-LS", "7.5"};
inline constexpr Contribution kLeverHandleOff = {"", "0"};
inline constexpr std::string_view kLeverHandlePicture = "J310 Stubby Knob.jpg";

// The series picture shown again when the lever handle is taken off; other series keep
// whatever picture is on screen.
struct SeriesPicture {
    std::string_view series;
    std::string_view picture;
};
inline constexpr std::array<SeriesPicture, 3> kTeeKnobPictures = {{
    {"-MX1", "J310-MX-2A.jpg"},
    {"-MX2", "J310-MX2-2A.jpg"},
    {"-MX3", "J310-MX3-2A.jpg"},
}};

}  // namespace tarvek
