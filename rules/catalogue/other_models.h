// Models other than valve actuators: regulator outlet ranges, flow components,
// spare parts and fittings.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/price.h"

namespace tarvek {

struct RegulatorRange {
    std::string_view entry;
    std::string_view code;  // no price: a regulator is priced by its series
};

// clang-format off
inline constexpr std::array<RegulatorRange, 4> kRegulatorRanges = {{
    {"T403 - Vac to 30 Psig Outlet", "T403"},
    {"T406 - 5 to 60 Psig Outlet", "T406"},
    {"T410 - 20 to 100 Psig Outlet", "T410"},
    {"T415 - 20 to 150 Psig Outlet", "T415"},
}};
// clang-format on

// The one porting a regulator offers, and its picture by series.
inline constexpr std::string_view kRegulatorPorting = "2A";
inline constexpr std::string_view kRegulatorPortingList[] = {kRegulatorPorting};
struct RegulatorPicture {
    std::string_view series;
    std::string_view picture;
};
// clang-format off
inline constexpr std::array<RegulatorPicture, 2> kRegulatorPictures = {{
    {"-GN1", "T400-GN1-2A.jpg"},
    {"-GN2", "T400-GN2-2A.jpg"},
}};
// clang-format on

struct FlowComponent {
    std::string_view family;  // the body entry that offers it
    std::string_view entry;
    std::string_view code;
    Price price;  // written as the body price: the component is its own body
    std::string_view picture;
    bool sealOptions;
};

// clang-format off
inline constexpr std::array<FlowComponent, 4> kFlowComponents = {{
    {"Check Valve", "KL-01 - 1/4 inch Face Seal Gland", "KL-01", "125", "KL-01.jpg", true},
    {"Check Valve", "KL-02 - 1/4 inch LNQ Face Seal Gland", "KL-02", "145", "KL-02.jpg", true},
    {"Vacuum Generator", "WN-01 - Tee", "WN-01", "125", "WN-01.jpg", false},
    {"Vacuum Generator", "WN-02 - Quad-Tee", "WN-02", "155", "WN-02.jpg", false},
}};
// clang-format on

struct SparePart {
    std::string_view entry;
    std::string_view code;
    Price price;
    std::string_view picture;
};

// clang-format off
inline constexpr std::array<SparePart, 9> kSpareParts = {{
    {"Diaphragm - MX1/MX2", "70-806-01", "10.00", "70-806-02.jpg"},
    {"Diaphragm - MX3/MX4", "70-806-02", "10.00", "70-806-02.jpg"},
    {"Stubby Knob for J310", "70-860-02", "7.50", "J310 Stubby Knob.jpg"},
    {"Seat Replacement Tool Kit - MX1/MX2", "WKT-01", "100.00", "Seat Replacement Tool Kit.jpg"},
    {"Seat Replacement Tool Kit - MX3", "WKT-02", "100.00", "Seat Replacement Tool Kit.jpg"},
    {"Valve Seat - MX1/MX2", "70-803-04", "10.00", "70-803-01.jpg"},
    {"Valve Seat - MX3", "70-803-02", "10.00", "70-803-01.jpg"},
    {"Valve Seat, Vespel - MX1/MX2", "70-803-04-VS", "30.00", "70-803-01-VS.jpg"},
    {"Valve Seat, Vespel - MX3", "70-803-02-VS", "30.00", "70-803-01-VS.jpg"},
}};
// clang-format on

struct Fitting {
    std::string_view family;  // the body entry that offers it
    std::string_view entry;
    std::string_view code;
    Price price;
    std::string_view picture;
};

// clang-format off
inline constexpr std::array<Fitting, 38> kFittings = {{
    {"Compart Nuts", "1/4 inch Female", "1-4-VC-1", "4.51", "Nut - Female.jpg"},
    {"Compart Nuts", "1/4 inch Male", "1-4-VC-4", "4.02", "Nut - Male.jpg"},
    {"Compart Nuts", "1/4 inch Male x 0.65", "1-4-VC-4-65NC", "4.98", "Nut - Male.jpg"},
    {"Compart Nuts", "1/4 inch Hi-Flo Female", "1-4-HVC-1", "4.51", "Nut - Female.jpg"},
    {"Compart Nuts", "1/4 inch Hi-Flo Male", "1-4-HVC-4", "4.02", "Nut - Male.jpg"},
    {"Compart Nuts", "1/2 inch Female", "1-8-VC-1", "8.22", "Nut - Female.jpg"},
    {"Compart Nuts", "1/2 inch Male", "1-8-VC-4", "6.85", "Nut - Male.jpg"},
    {"Compart Face Seal Glands", "1/4 inch x 0.60", "3-EP-4-VC-3S-4TB2", "9.93", "Gland - 3S.jpg"},
    {"Compart Face Seal Glands", "1/4 inch x 0.72", "3-EP-4-VC-3S-4TB3", "9.93", "Gland - 3S.jpg"},
    {"Compart Face Seal Glands", "1/4 inch x 1.10", "3-EP-4-VC-3S-4TB7", "11.10", "Gland - 3S.jpg"},
    {"Compart Face Seal Glands", "1/4 inch x 1.20", "3-EP-4-VC-3-4TB2", "11.49", "Gland - 3.jpg"},
    {"Compart Face Seal Glands", "1/4 inch x 1.70", "3-EP-4-VC-3-4TB7", "12.33", "Gland - 3.jpg"},
    {"Compart Face Seal Glands", "1/4 inch Hi-Flo x 0.60", "3-EP-4-HVC-3-.60SR", "10.54", "Gland - HVC.jpg"},
    {"Compart Face Seal Glands", "1/4 inch Hi-Flo x 1.19", "3-EP-4-HVC-3-1.19SR", "12.59", "Gland - HVC.jpg"},
    {"Compart Face Seal Glands", "3/8 inch x 0.62", "3-EP-8-VC-3S-6TB2", "14.07", "Gland - 3S.jpg"},
    {"Compart Face Seal Glands", "3/8 inch x 1.29", "3-EP-8-VC-3-6TB2", "14.07", "Gland - 3.jpg"},
    {"Compart Face Seal Glands", "1/2 inch x 0.62", "3-EP-8-VC-3S-8TB2", "15.85", "Gland - 3S.jpg"},
    {"Compart Face Seal Glands", "1/2 inch x 1.29", "3-EP-8-VC-3-8TB2", "16.21", "Gland - 3.jpg"},
    {"Compart Micro Weld Fittings", "1/4 inch Elbow", "3-EP-4MW-9", "12.92", "MW - Elbow.jpg"},
    {"Compart Micro Weld Fittings", "1/4 inch Elbow, Extended Leg", "3-EP-4MW-9-03442", "15.78", "MW - Elbow.jpg"},
    {"Compart Micro Weld Fittings", "1/4 inch Tee", "3-EP-4MW-3", "15.13", "MW - Tee.jpg"},
    {"Compart Micro Weld Fittings", "1/4 inch Cross", "3-EP-4MW-4", "21.24", "MW - Cross.jpg"},
    {"Compart Micro Weld Fittings", "1/4 inch Tribow", "3-EP-4MW-91", "24.99", "MW - Tribow.jpg"},
    {"Compart Micro Weld Fittings", "3/8 inch Elbow", "3-EP-6MW-9", "16.74", "MW - Elbow.jpg"},
    {"Compart Micro Weld Fittings", "3/8 inch Tee", "3-EP-6MW-3", "21.91", "MW - Tee.jpg"},
    {"Compart Micro Weld Fittings", "3/8 inch Cross", "3-EP-6MW-4", "44.66", "MW - Cross.jpg"},
    {"Compart Micro Weld Fittings", "3/8 inch Tribow", "3-EP-6MW-91", "45.61", "MW - Tribow.jpg"},
    {"Compart Micro Weld Fittings", "1/2 inch Elbow", "3-EP-8MW-9", "21.29", "MW - Elbow.jpg"},
    {"Compart Micro Weld Fittings", "1/2 inch Tee", "3-EP-8MW-3", "22.01", "MW - Tee.jpg"},
    {"Compart Micro Weld Fittings", "1/2 inch Cross", "3-EP-8MW-4", "56.43", "MW - Cross.jpg"},
    {"Compart Micro Weld Fittings", "1/2 inch Tribow", "3-EP-8MW-91", "56.08", "MW - Tribow.jpg"},
    {"Compart Bulkheads", "1/4 Face Seal", "1-4-VC-61", "28.84", "Bulkhead - VCR.jpg"},
    {"Compart Bulkheads", "1/4 inch Tube", "3-EP-4-VC-61-4TB7", "33.38", "Bulkhead - Tube.jpg"},
    {"Compart Bulkheads", "3/8 inch Tube", "3-EP-4-HVC-61-6TB7", "33.35", "Bulkhead - Tube.jpg"},
    {"Compart Bulkheads", "1/4 x 1/2 inch Coax Tube", "3-EP-4-VC-C61-4-8TB7", "59.63", "Bulkhead - Coax.jpg"},
    {"Compart Bulkheads", "3/8 x 5/8 inch Coax Tube", "3-EP-4-VC-C61-6-10TB7", "64.53", "Bulkhead - Coax.jpg"},
    {"Tarvek LNQ Fittings", "01 - 1/4 Tube x 1/4 Male Face Seal", "LNQ-01", "45", "LNQ.gif"},
    {"Tarvek LNQ Fittings", "02 - 3/8 Tube x 1/4 Male Face Seal", "LNQ-02", "45", "LNQ.gif"},
}};
// clang-format on

}  // namespace tarvek
