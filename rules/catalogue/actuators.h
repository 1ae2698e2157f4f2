// Valve actuators: what each model entry writes, and its picture, note and seat handling
// on each valve series.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/price.h"

namespace tarvek {

// Model entry texts, spelled once here and used by every list that offers them.
namespace actuator {
inline constexpr std::string_view A310 = "A310 --- Air-Op N.C., Low Pressure";
inline constexpr std::string_view A370 = "A370 --- Air-Op NC, Med Pressure";
inline constexpr std::string_view A371 = "A371 --- Air-Op N.C., High Pressure";
inline constexpr std::string_view A375 = "A375 --- Air-Op N.C., Very High Pressire.";
inline constexpr std::string_view A550 = "A550 - Pneumatic, N.C.";
inline constexpr std::string_view A22 = "A22 --- Air-Op NC, Med Pressure";
inline constexpr std::string_view A33 = "A33 --- Air-Op N.C., High Pressure";
inline constexpr std::string_view E310 = "E310 --- Hybrid, N.C., LOTO";
inline constexpr std::string_view N350 = "N350 --- Manual, Round Knob";
inline constexpr std::string_view N22 = "N22 --- Manual, Round Knob, LOTO";
inline constexpr std::string_view N33 = "N33 --- Manual, Round Knob, LOTO";
inline constexpr std::string_view J310 = "J310 --- Manual, Tee Knob, LOTO";
inline constexpr std::string_view U310 = "U310 --- Air-Op N.O., Low Pressure";
}  // namespace actuator

struct Actuator {
    std::string_view entry;
    std::string_view code;             // model part-number segment
    Price price;                       // model price
    bool handleOptions;                // opens the handle colours
    bool leverOption;                  // offers the lever handle on a valve
    std::string_view assemblyPicture;  // shown under "Actuator Assemblies"; empty: valve-only model
};

// clang-format off
inline constexpr std::array<Actuator, 13> kActuators = {{
    {actuator::A310, "A310", "110.00", false, false, "A310.jpg"},
    {actuator::A370, "A370", "180.00", false, false, "A370.jpg"},
    {actuator::A371, "A371", "240.00", false, false, "A371.jpg"},
    {actuator::A375, "A375", "350", false, false, ""},
    {actuator::A550, "A550", "730", false, false, ""},
    {actuator::A22, "A22", "170", false, false, "A22.jpg"},
    {actuator::A33, "A33", "210", false, false, "A33.jpg"},
    {actuator::E310, "E310", "180.00", true, true, "E310.jpg"},
    {actuator::N350, "N350", "98.00", true, false, "N350.jpg"},
    {actuator::N22, "N22", "120.00", true, false, "N22.jpg"},
    {actuator::N33, "N33", "120.00", true, false, "N33.jpg"},
    {actuator::J310, "J310", "120.00", true, true, "J310.jpg"},
    {actuator::U310, "U310", "150.00", false, false, "U310.jpg"},
}};
// clang-format on

// How a valve opens its seat options: the user chooses, or the Vespel seat is fixed.
enum class SeatHandling { Options, Vespel };

struct ActuatorOnSeries {
    std::string_view code;    // actuator model code
    std::string_view series;  // body segment
    std::string_view picture;
    std::string_view note;  // rating shown under the picture
    SeatHandling seat;
};

// clang-format off
inline constexpr std::array<ActuatorOnSeries, 30> kActuatorsOnSeries = {{
    {"A310", "-MX1", "A310-MX1-2A.jpg", ".23 Cv, 250 psig", SeatHandling::Options},
    {"A310", "-MX2", "A310-MX2-2A.jpg", ".23 Cv, 250 psig", SeatHandling::Options},
    {"A310", "-MX3", "A310-MX3-2A.jpg", ".5 Cv, 125 psig", SeatHandling::Options},
    {"A370", "-MX3", "A370-MX3-2A.jpg", ".5 Cv, 250 psig", SeatHandling::Options},
    {"A371", "-MX1", "A371-MX1-2A.jpg", ".23 Cv, 3000 psig", SeatHandling::Options},
    {"A371", "-MX2", "A371-MX2-2A.jpg", ".23 Cv, 3000 psig", SeatHandling::Options},
    {"A375", "-HMX2", "A375-HMX2-2A.jpg", ".16 Cv, 6200 psig", SeatHandling::Vespel},
    {"A550", "-HMX3", "A550-HMX3-2A.jpg", ".5 Cv, 4500 psig", SeatHandling::Options},
    {"A22", "-MX3", "A22-MX3-2A.jpg", ".5 Cv, 500 psig", SeatHandling::Options},
    {"A33", "-MX1", "A33-MX1-2A.jpg", ".23 Cv, 3300 psig", SeatHandling::Options},
    {"A33", "-MX2", "A33-MX2-2A.jpg", ".23 Cv, 3300 psig", SeatHandling::Options},
    {"A33", "-MX3", "A33-MX3-2A.jpg", ".5 Cv, 1500 psig", SeatHandling::Options},
    {"A33", "-MX4", "A33-MX4-2A.jpg", "1.0 Cv, 700 psig", SeatHandling::Options},
    {"E310", "-MX1", "E310-MX1-2A.jpg", ".23 Cv, 250 psig", SeatHandling::Options},
    {"E310", "-MX2", "E310-MX2-2A.jpg", ".23 Cv, 250 psig", SeatHandling::Options},
    {"E310", "-MX3", "E310-MX3-2A.jpg", ".4 Cv, 125 psig", SeatHandling::Options},
    {"N350", "-MX1", "N350-MX1-2A.jpg", ".23 Cv, 3000 psig", SeatHandling::Options},
    {"N350", "-MX2", "N350-MX2-2A.jpg", ".23 Cv, 3000 psig", SeatHandling::Options},
    {"N350", "-MX3", "N350-MX3-2A.jpg", ".5 Cv, 500 psig", SeatHandling::Options},
    {"N22", "-MX2", "N22-MX2-2A.jpg", ".23 Cv, 3000 psig", SeatHandling::Options},
    {"N22", "-HMX2", "N22-HMX2-2A.jpg", ".16 Cv, 6200 psig", SeatHandling::Vespel},
    {"N33", "-MX3", "N33-MX3-2A.jpg", ".5 Cv, 1500 psig", SeatHandling::Options},
    {"N33", "-MX4", "N33-MX4-2A.jpg", "1.0 Cv, 1000 psig", SeatHandling::Options},
    {"N33", "-HMX3", "N33-HMX3-2A.jpg", ".5 Cv, 4500 psig", SeatHandling::Options},
    {"J310", "-MX1", "J310-MX1-2A.jpg", ".23 Cv, 3000 psig", SeatHandling::Options},
    {"J310", "-MX2", "J310-MX2-2A.jpg", ".23 Cv, 3000 psig", SeatHandling::Options},
    {"J310", "-MX3", "J310-MX3-2A.jpg", ".4 Cv, 500 psig", SeatHandling::Options},
    {"U310", "-MX1", "U310-MX1-2A.jpg", ".23 Cv, 150 psig", SeatHandling::Options},
    {"U310", "-MX2", "U310-MX2-2A.jpg", ".23 Cv, 150 psig", SeatHandling::Options},
    {"U310", "-MX3", "U310-MX3-2A.jpg", ".5 Cv, 125 psig", SeatHandling::Options},
}};
// clang-format on

constexpr const ActuatorOnSeries* findActuatorOnSeries(std::string_view code, std::string_view series) {
    for (const auto& row : kActuatorsOnSeries)
        if (row.code == code && row.series == series) return &row;
    return nullptr;
}

}  // namespace tarvek
