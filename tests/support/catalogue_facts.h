// The catalogue's tables typed out as the catalogue prints them: what each entry, porting,
// connection and option writes into the part number and the price, the pictures and ratings
// shown, and which connections are not standard. Tests hold the configurator to these, never
// to its own tables.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tarvek::testing::facts {

// What choosing an entry writes: its code in the part number and its price, as printed.
struct Written {
    const char* entry;
    const char* code;
    const char* price;
};

// Bodies: the valve and regulator series write their code and price, the others nothing.
inline constexpr Written kBodies[] = {
    {"MX1 - Miniature Series", "-MX1", "140.00"},
    {"MX2 - Standard Series", "-MX2", "140.00"},
    {"MX3 - High Flow Series", "-MX3", "170.00"},
    {"MX4 - Bulk Flow Series", "-MX4", "300.00"},
    {"HMX2 - Very High Pressure Series", "-HMX2", "290.00"},
    {"HMX3 - Very High Pressure, High Flow", "-HMX3", "350.00"},
    {"BMX2 - V-Block Series", "-BMX2", "0"},
    {"GN1 - Miniature Series", "-GN1", "540"},
    {"GN2 - Standard Series", "-GN2", "540"},
    {"Check Valve", "", "0"},
    {"Vacuum Generator", "", "0"},
    {"Compart Nuts", "", "0"},
    {"Compart Face Seal Glands", "", "0"},
    {"Compart Micro Weld Fittings", "", "0"},
    {"Compart Bulkheads", "", "0"},
    {"Tarvek LNQ Fittings", "", "0"},
};

// Models that write the model segment and its price: actuators, regulator outlet ranges
// (whose price is the series'), spare parts and fittings.
inline constexpr Written kModels[] = {
    {"A310 --- Air-Op N.C., Low Pressure", "A310", "110.00"},
    {"A370 --- Air-Op NC, Med Pressure", "A370", "180.00"},
    {"A371 --- Air-Op N.C., High Pressure", "A371", "240.00"},
    {"A375 --- Air-Op N.C., Very High Pressire.", "A375", "350"},
    {"A550 - Pneumatic, N.C.", "A550", "730"},
    {"A22 --- Air-Op NC, Med Pressure", "A22", "170"},
    {"A33 --- Air-Op N.C., High Pressure", "A33", "210"},
    {"E310 --- Hybrid, N.C., LOTO", "E310", "180.00"},
    {"N350 --- Manual, Round Knob", "N350", "98.00"},
    {"N22 --- Manual, Round Knob, LOTO", "N22", "120.00"},
    {"N33 --- Manual, Round Knob, LOTO", "N33", "120.00"},
    {"J310 --- Manual, Tee Knob, LOTO", "J310", "120.00"},
    {"U310 --- Air-Op N.O., Low Pressure", "U310", "150.00"},
    {"T403 - Vac to 30 Psig Outlet", "T403", "0"},
    {"T406 - 5 to 60 Psig Outlet", "T406", "0"},
    {"T410 - 20 to 100 Psig Outlet", "T410", "0"},
    {"T415 - 20 to 150 Psig Outlet", "T415", "0"},
    {"Diaphragm - MX1/MX2", "70-806-01", "10.00"},
    {"Diaphragm - MX3/MX4", "70-806-02", "10.00"},
    {"Stubby Knob for J310", "70-860-02", "7.50"},
    {"Seat Replacement Tool Kit - MX1/MX2", "WKT-01", "100.00"},
    {"Seat Replacement Tool Kit - MX3", "WKT-02", "100.00"},
    {"Valve Seat - MX1/MX2", "70-803-04", "10.00"},
    {"Valve Seat - MX3", "70-803-02", "10.00"},
    {"Valve Seat, Vespel - MX1/MX2", "70-803-04-VS", "30.00"},
    {"Valve Seat, Vespel - MX3", "70-803-02-VS", "30.00"},
    {"1/4 inch Female", "1-4-VC-1", "4.51"},
    {"1/4 inch Male", "1-4-VC-4", "4.02"},
    {"1/4 inch Male x 0.65", "1-4-VC-4-65NC", "4.98"},
    {"1/4 inch Hi-Flo Female", "1-4-HVC-1", "4.51"},
    {"1/4 inch Hi-Flo Male", "1-4-HVC-4", "4.02"},
    {"1/2 inch Female", "1-8-VC-1", "8.22"},
    {"1/2 inch Male", "1-8-VC-4", "6.85"},
    {"1/4 inch x 0.60", "3-EP-4-VC-3S-4TB2", "9.93"},
    {"1/4 inch x 0.72", "3-EP-4-VC-3S-4TB3", "9.93"},
    {"1/4 inch x 1.10", "3-EP-4-VC-3S-4TB7", "11.10"},
    {"1/4 inch x 1.20", "3-EP-4-VC-3-4TB2", "11.49"},
    {"1/4 inch x 1.70", "3-EP-4-VC-3-4TB7", "12.33"},
    {"1/4 inch Hi-Flo x 0.60", "3-EP-4-HVC-3-.60SR", "10.54"},
    {"1/4 inch Hi-Flo x 1.19", "3-EP-4-HVC-3-1.19SR", "12.59"},
    {"3/8 inch x 0.62", "3-EP-8-VC-3S-6TB2", "14.07"},
    {"3/8 inch x 1.29", "3-EP-8-VC-3-6TB2", "14.07"},
    {"1/2 inch x 0.62", "3-EP-8-VC-3S-8TB2", "15.85"},
    {"1/2 inch x 1.29", "3-EP-8-VC-3-8TB2", "16.21"},
    {"1/4 inch Elbow", "3-EP-4MW-9", "12.92"},
    {"1/4 inch Elbow, Extended Leg", "3-EP-4MW-9-03442", "15.78"},
    {"1/4 inch Tee", "3-EP-4MW-3", "15.13"},
    {"1/4 inch Cross", "3-EP-4MW-4", "21.24"},
    {"1/4 inch Tribow", "3-EP-4MW-91", "24.99"},
    {"3/8 inch Elbow", "3-EP-6MW-9", "16.74"},
    {"3/8 inch Tee", "3-EP-6MW-3", "21.91"},
    {"3/8 inch Cross", "3-EP-6MW-4", "44.66"},
    {"3/8 inch Tribow", "3-EP-6MW-91", "45.61"},
    {"1/2 inch Elbow", "3-EP-8MW-9", "21.29"},
    {"1/2 inch Tee", "3-EP-8MW-3", "22.01"},
    {"1/2 inch Cross", "3-EP-8MW-4", "56.43"},
    {"1/2 inch Tribow", "3-EP-8MW-91", "56.08"},
    {"1/4 Face Seal", "1-4-VC-61", "28.84"},
    {"1/4 inch Tube", "3-EP-4-VC-61-4TB7", "33.38"},
    {"3/8 inch Tube", "3-EP-4-HVC-61-6TB7", "33.35"},
    {"1/4 x 1/2 inch Coax Tube", "3-EP-4-VC-C61-4-8TB7", "59.63"},
    {"3/8 x 5/8 inch Coax Tube", "3-EP-4-VC-C61-6-10TB7", "64.53"},
    {"01 - 1/4 Tube x 1/4 Male Face Seal", "LNQ-01", "45"},
    {"02 - 3/8 Tube x 1/4 Male Face Seal", "LNQ-02", "45"},
};

// Flow components write the model segment and put their price in the body's place.
inline constexpr Written kFlowComponents[] = {
    {"KL-01 - 1/4 inch Face Seal Gland", "KL-01", "125"},
    {"KL-02 - 1/4 inch LNQ Face Seal Gland", "KL-02", "145"},
    {"WN-01 - Tee", "WN-01", "125"},
    {"WN-02 - Quad-Tee", "WN-02", "155"},
};

// Entries of the lists that name nothing and write nothing.
inline constexpr std::array<std::string_view, 4> kHeadings = {"--------------------------", "",
                                                              "-----  Other Available Models  -----",
                                                              "--- Note: N375 relabeled as N22 ---"};

// What a diaphragm valve's picture shows and the rating printed under it: each actuator on
// each series it is offered on, and whether the user chooses the seat or the Vespel seat is
// fixed. The search's Cv and pressure and the price book's rating columns read the same texts.
enum class Seat { Options, Vespel };

struct ValveOnSeries {
    const char* model;   // the model's code
    const char* series;  // the body's code
    const char* picture;
    const char* rating;
    Seat seat;
};

inline constexpr ValveOnSeries kValvesOnSeries[] = {
    {"A310", "-MX1", "A310-MX1-2A.jpg", ".23 Cv, 250 psig", Seat::Options},
    {"A310", "-MX2", "A310-MX2-2A.jpg", ".23 Cv, 250 psig", Seat::Options},
    {"A310", "-MX3", "A310-MX3-2A.jpg", ".5 Cv, 125 psig", Seat::Options},
    {"A370", "-MX3", "A370-MX3-2A.jpg", ".5 Cv, 250 psig", Seat::Options},
    {"A371", "-MX1", "A371-MX1-2A.jpg", ".23 Cv, 3000 psig", Seat::Options},
    {"A371", "-MX2", "A371-MX2-2A.jpg", ".23 Cv, 3000 psig", Seat::Options},
    {"A375", "-HMX2", "A375-HMX2-2A.jpg", ".16 Cv, 6200 psig", Seat::Vespel},
    {"A550", "-HMX3", "A550-HMX3-2A.jpg", ".5 Cv, 4500 psig", Seat::Options},
    {"A22", "-MX3", "A22-MX3-2A.jpg", ".5 Cv, 500 psig", Seat::Options},
    {"A33", "-MX1", "A33-MX1-2A.jpg", ".23 Cv, 3300 psig", Seat::Options},
    {"A33", "-MX2", "A33-MX2-2A.jpg", ".23 Cv, 3300 psig", Seat::Options},
    {"A33", "-MX3", "A33-MX3-2A.jpg", ".5 Cv, 1500 psig", Seat::Options},
    {"A33", "-MX4", "A33-MX4-2A.jpg", "1.0 Cv, 700 psig", Seat::Options},
    {"E310", "-MX1", "E310-MX1-2A.jpg", ".23 Cv, 250 psig", Seat::Options},
    {"E310", "-MX2", "E310-MX2-2A.jpg", ".23 Cv, 250 psig", Seat::Options},
    {"E310", "-MX3", "E310-MX3-2A.jpg", ".4 Cv, 125 psig", Seat::Options},
    {"N350", "-MX1", "N350-MX1-2A.jpg", ".23 Cv, 3000 psig", Seat::Options},
    {"N350", "-MX2", "N350-MX2-2A.jpg", ".23 Cv, 3000 psig", Seat::Options},
    {"N350", "-MX3", "N350-MX3-2A.jpg", ".5 Cv, 500 psig", Seat::Options},
    {"N22", "-MX2", "N22-MX2-2A.jpg", ".23 Cv, 3000 psig", Seat::Options},
    {"N22", "-HMX2", "N22-HMX2-2A.jpg", ".16 Cv, 6200 psig", Seat::Vespel},
    {"N33", "-MX3", "N33-MX3-2A.jpg", ".5 Cv, 1500 psig", Seat::Options},
    {"N33", "-MX4", "N33-MX4-2A.jpg", "1.0 Cv, 1000 psig", Seat::Options},
    {"N33", "-HMX3", "N33-HMX3-2A.jpg", ".5 Cv, 4500 psig", Seat::Options},
    {"J310", "-MX1", "J310-MX1-2A.jpg", ".23 Cv, 3000 psig", Seat::Options},
    {"J310", "-MX2", "J310-MX2-2A.jpg", ".23 Cv, 3000 psig", Seat::Options},
    {"J310", "-MX3", "J310-MX3-2A.jpg", ".4 Cv, 500 psig", Seat::Options},
    {"U310", "-MX1", "U310-MX1-2A.jpg", ".23 Cv, 150 psig", Seat::Options},
    {"U310", "-MX2", "U310-MX2-2A.jpg", ".23 Cv, 150 psig", Seat::Options},
    {"U310", "-MX3", "U310-MX3-2A.jpg", ".5 Cv, 125 psig", Seat::Options},
};

// The code an entry writes, by its table; none for an entry the table does not hold.
inline const char* codeOf(std::span<const Written> table, std::string_view entry) {
    for (const Written& row : table)
        if (row.entry == entry) return row.code;
    return nullptr;
}

// The valve a model entry makes on a body entry; none where the catalogue makes none.
inline const ValveOnSeries* valveOnSeries(std::string_view bodyEntry, std::string_view modelEntry) {
    const char* series = codeOf(kBodies, bodyEntry);
    const char* model = codeOf(kModels, modelEntry);
    if (!series || !model) return nullptr;
    for (const ValveOnSeries& valve : kValvesOnSeries)
        if (std::string_view(valve.series) == series && std::string_view(valve.model) == model) return &valve;
    return nullptr;
}

// What choosing a body shows: its picture, and for a valve series the rating under it.
struct BodyPicture {
    const char* entry;
    const char* picture;  // "" for none
    const char* rating;   // "" for none
};

inline constexpr BodyPicture kBodyPictures[] = {
    {"MX1 - Miniature Series", "MX1 Valves.jpg", ".23 Cv"},
    {"MX2 - Standard Series", "MX2 Valves.jpg", ".23 Cv"},
    {"MX3 - High Flow Series", "MX3 Valves.jpg", ".5 Cv"},
    {"MX4 - Bulk Flow Series", "MX4 Valves.jpg", "1.0 Cv"},
    {"HMX2 - Very High Pressure Series", "HMX2 Valves.jpg", ".16 Cv, 6200 psig"},
    {"HMX3 - Very High Pressure, High Flow", "HMX3 Valves.jpg", ".5 Cv, 4500 psig"},
    {"BMX2 - V-Block Series", "V-Blocks.jpg", ""},
    {"GN1 - Miniature Series", "T400-GN1-2A.jpg", ""},
    {"GN2 - Standard Series", "T400-GN2-2A.jpg", ""},
    {"Check Valve", "", ""},
    {"Vacuum Generator", "", ""},
    {"Compart Nuts", "Nut.jpg", ""},
    {"Compart Face Seal Glands", "Gland.jpg", ""},
    {"Compart Micro Weld Fittings", "MW.jpg", ""},
    {"Compart Bulkheads", "Bulkhead.jpg", ""},
    {"Tarvek LNQ Fittings", "LNQ.gif", ""},
};

struct Porting {
    const char* entry;
    const char* code;
    const char* price;
    const char* positions;  // the connection positions it opens
};

inline constexpr Porting kPortings[] = {
    {"2A", "-2A", "0", "13"},    {"2B", "-2B", "15", "12"},   {"2C", "-2C", "15", "14"},
    {"2D", "-2D", "40", "13"},   {"3A", "-3A", "30", "124"},  {"3B", "-3B", "15", "123"},
    {"3C", "-3C", "30", "123"},  {"3D", "-3D", "30", "123"},  {"3E", "-3E", "30", "134"},
    {"3F", "-3F", "30", "124"},  {"3G", "-3G", "40", "124"},  {"4A", "-4A", "50", "1234"},
    {"4B", "-4B", "50", "1234"}, {"4C", "-4C", "50", "1234"}, {"4D", "-4D", "50", "1234"},
};

struct Connection {
    const char* entry;
    std::array<const char*, 4> codes;  // in positions 1 to 4
    const char* price;
};

inline constexpr Connection kConnections[] = {
    {"T - Tube Stub, 1/4 inch", {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, .049 Wall, 1/4 inch", {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, 3/8 inch", {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, .049 Wall, 3/8 inch", {"-T", "T", "T", "T"}, "0"},
    {"T - Tube Stub, 1/2 inch", {"-T", "T", "T", "T"}, "0"},
    {"M - Male Face Seal, 1/4 inch", {"-M", "M", "M", "M "}, "45"},
    {"M - Male Face Seal, 1/4 inch Hi Flo", {"-M", "M", "M", "M"}, "30"},
    {"M - Male Face Seal, 1/2 inch", {"-M", "M", "M", "M "}, "45"},
    {"F - Female Face Seal, 1/4 inch", {"-F", " F", "F", "F"}, "25"},
    {"F - Female Face Seal, 1/4 inch Hi Flo", {"-F", "F", "F", "F"}, "30"},
    {"F - Female Face Seal, 1/2 inch", {"-F", " F", "F", "F"}, "45"},
    {"V - Fixed Male Face Seal, 1/4 inch", {"-V", "V", "V", "V"}, "20"},
    {"4 - Tube Stub, 1/4 inch", {"-4", "4", "4", "4"}, "10"},
    {"6 - Tube Stub, 3/8 inch", {"-6", "6", "6", "6"}, "10"},
    {"8 - Tube Stub, 1/2 inch", {"-8", "8", "8", "8"}, "10"},
    {"8 - Tube Stub, .065 Wall, 1/2 inch", {"-8", "8", "8", "8"}, "20"},
    {"M8 - Male Face Seal, 1/2 inch", {"-M8", "M8", "M8", "M8"}, "35"},
    {"F8 - Female Face Seal, 1/2 inch", {"-F8", "F8", "F8", "F8"}, "35"},
};
inline constexpr std::array<std::string_view, 4> kNotChosen = {"-X", "X", "X", "X"};

// Options by the caption of their button: a seat's meaning follows the caption it shows.
inline constexpr Written kOptions[] = {
    {"PCTFE (standard seat)", "", "0"},  {"VS - Vespel Seat", "-VS", "30"},
    {"B5 - Bleed Seat", "-B5", "30"},    {"Viton (standard seal)", "", "0"},
    {"KZ - Kalrez Seal", "-KZ", "75"},   {"EP - EPR Seal", "-EP", "0"},
    {"(std.) - Tarvek Blue", "", "0"},   {"BK - Black", "-BK", "0"},
    {"GR - Green", "-GR", "0"},          {"RD - Red", "-RD", "0"},
    {"WH - White", "-WH", "0"},          {"YW - Yellow", "-YW", "0"},
    {"LS - Lever Handle", "-LS", "7.5"},
};

// Combinations of a diaphragm valve's connections that are standard although a numbered tube
// stub is not: the series, the porting, and the codes required in positions 1 and 3.
struct StandardException {
    std::array<const char*, 2> series;
    const char* porting;
    const char* connection1;
    const char* connection3;  // nullptr: position 3 is not involved and keeps its mark
};

inline constexpr StandardException kStandardExceptions[] = {
    {{"-MX1", "-MX2"}, "-2C", "-6", nullptr}, {{"-MX1", "-MX2"}, "-3B", "-6", "6"},
    {{"-MX3", "-MX3"}, "-2A", "-8", "8"},     {{"-MX3", "-MX3"}, "-2C", "-8", nullptr},
    {{"-MX3", "-MX3"}, "-3B", "-8", "8"},     {{"-MX2", "-MX2"}, "-2A", "-6", "6"},
    {{"-HMX3", "-HMX3"}, "-2A", "-8", "8"},
};

}  // namespace tarvek::testing::facts
