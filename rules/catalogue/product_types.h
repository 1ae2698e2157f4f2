// The product-type list: its seven entries and what each opens.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/bodies.h"

namespace tarvek {

inline constexpr std::array<std::string_view, 7> kProductTypeEntries = {
    type::DiaphragmValves, type::PressureRegulators, type::FlowComponents,    type::Fittings,
    type::Separator,       type::ActuatorAssemblies, type::MiscellaneousParts};

// What a product type sells: the rules that differ between them branch on this.
enum class ProductFamily {
    None,  // the separator line, or nothing chosen
    DiaphragmValves,
    PressureRegulators,
    FlowComponents,
    Fittings,
    ActuatorAssemblies,
    MiscellaneousParts,
};

// Which caption set the seat/seal buttons get: valve seats, component seals, or as they were.
enum class SeatCaptions { Unchanged, Seats, Seals };
// The list a product type opens: the body list, or the model list directly.
enum class OpensList { Body, Model };

struct ProductType {
    std::string_view entry;
    ProductFamily family;
    std::string_view picture;  // empty: the picture stays empty and hidden
    OpensList opens;
    SeatCaptions captions;
};

inline constexpr std::array<ProductType, 6> kProductTypes = {{
    {type::DiaphragmValves, ProductFamily::DiaphragmValves, "MX2 Valves.jpg", OpensList::Body,
     SeatCaptions::Seats},
    {type::PressureRegulators, ProductFamily::PressureRegulators, "T400 Regulators.jpg", OpensList::Body,
     SeatCaptions::Seats},
    {type::FlowComponents, ProductFamily::FlowComponents, "", OpensList::Body, SeatCaptions::Seals},
    {type::Fittings, ProductFamily::Fittings, "", OpensList::Body, SeatCaptions::Unchanged},
    {type::ActuatorAssemblies, ProductFamily::ActuatorAssemblies, "Actuator Assemblies.jpg", OpensList::Model,
     SeatCaptions::Unchanged},
    {type::MiscellaneousParts, ProductFamily::MiscellaneousParts, "", OpensList::Model,
     SeatCaptions::Unchanged},
}};

// The entries a product type of kProductTypes puts into the list it opens: its bodies, the
// actuators sold as assemblies, or the spare parts.
Entries productTypeEntries(const ProductType& type);

// The picture shown at start-up.
inline constexpr std::string_view kStartPicture = "MX2 Valves.jpg";

}  // namespace tarvek
