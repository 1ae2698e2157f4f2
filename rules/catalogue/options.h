// The seat/seal, handle-colour and lever-handle options: what each control writes.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tarvek {

struct OptionSegments {
    std::string_view partNumber;
    std::string_view price;
};

// The seat/seal buttons read their own caption: valves offer seats, flow components seals.
struct SeatOption {
    std::string_view button;
    std::string_view seatCaption;  // caption under which the seat segments apply
    std::string_view sealCaption;
    OptionSegments seat;
    OptionSegments seal;  // under any other caption
};

inline constexpr std::array<SeatOption, 3> kSeatOptions = {{
    {"optStd", "PCTFE (standard seat)", "Viton (standard seal)", {"", "0"}, {"", "0"}},
    {"optVSKZ", "VS - Vespel Seat", "KZ - Kalrez Seal", {"-VS", "30"}, {"-KZ", "75"}},
    {"optB5EP", "B5 - Bleed Seat", "EP - EPR Seal", {"-B5", "30"}, {"-EP", "0"}},
}};

constexpr OptionSegments seatSegments(const SeatOption& option, std::string_view caption) {
    return caption == option.seatCaption ? option.seat : option.seal;
}

// Colours cost nothing; only the standard colour writes the colour price (back to "0").
struct ColourOption {
    std::string_view button;
    std::string_view caption;
    std::string_view partNumber;
    std::optional<std::string_view> price;
};

inline constexpr std::array<ColourOption, 6> kColourOptions = {{
    {"optBL", "(std.) - Tarvek Blue", "", "0"},
    {"optBK", "BK - Black", "-BK", std::nullopt},
    {"optGR", "GR - Green", "-GR", std::nullopt},
    {"optRD", "RD - Red", "-RD", std::nullopt},
    {"optWH", "WH - White", "-WH", std::nullopt},
    {"optYW", "YW - Yellow", "-YW", std::nullopt},
}};

inline constexpr OptionSegments kLeverHandleOn = {"-LS", "7.5"};
inline constexpr OptionSegments kLeverHandleOff = {"", "0"};
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
