// The body list: valve and regulator series, flow-component and fitting families,
// and what choosing each writes and offers.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "rules/catalogue/actuators.h"
#include "rules/catalogue/lookup.h"
#include "rules/catalogue/price.h"

namespace tarvek {

enum class BodyKind { ValveSeries, VBlock, RegulatorSeries, FlowComponents, Fittings };

struct Body {
    std::string_view productType;  // the product-type entry that lists it
    std::string_view entry;
    BodyKind kind;
    std::string_view code;                        // body part-number segment, with its dash
    Price price;                                  // empty: none of its own; written by series only
    std::string_view picture;                     // empty: no picture
    std::string_view note;                        // rating under the picture, valve series only
    std::span<const std::string_view> actuators;  // model entries of a valve series
};

// Model lists of the valve series, headings and blank lines included.
namespace models {
using namespace actuator;
inline constexpr std::string_view kOtherModels = "-----  Other Available Models  -----";
inline constexpr std::string_view MIN[] = {U310, A310, A33, J310, N350, "", kOtherModels, A371, E310};
inline constexpr std::string_view STD[] = {U310, A310, A33, J310, N22, N350, "", kOtherModels, A371, E310};
inline constexpr std::string_view HF[] = {A310, A22,  A33,  N33,  "",  kOtherModels,
                                          A370, N350, J310, U310, E310};
inline constexpr std::string_view MX4[] = {A33, N33};
inline constexpr std::string_view HMX2[] = {A375, N22, "--- Note: N375 relabeled as N22 ---"};
inline constexpr std::string_view HMX3[] = {A550, N33};
}  // namespace models

// Product-type entry texts.
namespace type {
inline constexpr std::string_view DiaphragmValves = "Diaphragm Valves";
inline constexpr std::string_view PressureRegulators = "Pressure Regulators";
inline constexpr std::string_view FlowComponents = "Flow Components";
inline constexpr std::string_view Fittings = "Fittings";
inline constexpr std::string_view Separator = "--------------------------";
inline constexpr std::string_view ActuatorAssemblies = "Actuator Assemblies";
inline constexpr std::string_view MiscellaneousParts = "Miscellaneous Parts";
}  // namespace type

// clang-format off
inline constexpr std::array<Body, 16> kBodies = {{
    {type::DiaphragmValves, "MX1 - Miniature Series", BodyKind::ValveSeries, "-MX1", "140.00", "MX1 Valves.jpg", ".23 Cv", models::MIN},
    {type::DiaphragmValves, "MX2 - Standard Series", BodyKind::ValveSeries, "-MX2", "140.00", "MX2 Valves.jpg", ".23 Cv", models::STD},
    {type::DiaphragmValves, "MX3 - High Flow Series", BodyKind::ValveSeries, "-MX3", "170.00", "MX3 Valves.jpg", ".5 Cv", models::HF},
    {type::DiaphragmValves, "MX4 - Bulk Flow Series", BodyKind::ValveSeries, "-MX4", "300.00", "MX4 Valves.jpg", "1.0 Cv", models::MX4},
    {type::DiaphragmValves, "HMX2 - Very High Pressure Series", BodyKind::ValveSeries, "-HMX2", "290.00", "HMX2 Valves.jpg", ".16 Cv, 6200 psig", models::HMX2},
    {type::DiaphragmValves, "HMX3 - Very High Pressure, High Flow", BodyKind::ValveSeries, "-HMX3", "350.00", "HMX3 Valves.jpg", ".5 Cv, 4500 psig", models::HMX3},
    {type::DiaphragmValves, "BMX2 - V-Block Series", BodyKind::VBlock, "-BMX2", "", "V-Blocks.jpg", "", {}},
    {type::PressureRegulators, "GN1 - Miniature Series", BodyKind::RegulatorSeries, "-GN1", "540", "T400-GN1-2A.jpg", "", {}},
    {type::PressureRegulators, "GN2 - Standard Series", BodyKind::RegulatorSeries, "-GN2", "540", "T400-GN2-2A.jpg", "", {}},
    {type::FlowComponents, "Check Valve", BodyKind::FlowComponents, "", "", "", "", {}},
    {type::FlowComponents, "Vacuum Generator", BodyKind::FlowComponents, "", "", "", "", {}},
    {type::Fittings, "Compart Nuts", BodyKind::Fittings, "", "", "Nut.jpg", "", {}},
    {type::Fittings, "Compart Face Seal Glands", BodyKind::Fittings, "", "", "Gland.jpg", "", {}},
    {type::Fittings, "Compart Micro Weld Fittings", BodyKind::Fittings, "", "", "MW.jpg", "", {}},
    {type::Fittings, "Compart Bulkheads", BodyKind::Fittings, "", "", "Bulkhead.jpg", "", {}},
    {type::Fittings, "Tarvek LNQ Fittings", BodyKind::Fittings, "", "", "LNQ.gif", "", {}},
}};
// clang-format on

// The model entries a body of kBodies offers, in list order: a valve series' actuator list,
// or the rows of the regulator, flow-component or fitting tables that belong to the body.
Entries modelEntries(const Body& body);

}  // namespace tarvek
