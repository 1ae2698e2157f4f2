// The configurator page's own texts beside its lists and options: the price captions, the
// option frames' titles, the notes under the picture and the find field's hint. One place
// for every edition of the page (the window's form says the same).
#pragma once

#include <string_view>

namespace tarvek::page {

inline constexpr std::string_view kListPriceCaption = "List Price US$";
inline constexpr std::string_view kDiscountCaption = "Discount %";
inline constexpr std::string_view kNetPriceCaption = "Net Price US$";
inline constexpr std::string_view kSeatFrameTitle = "Options - Seat / Seal";
inline constexpr std::string_view kColourFrameTitle = "Options - Handle";
inline constexpr std::string_view kFindCaption = "Find Part No.";
inline constexpr std::string_view kFindHint = "e.g. A310-MX2-2A-MXFX";
inline constexpr std::string_view kVBlockNote = "See Product Literature for more details";
inline constexpr std::string_view kWikaGaugesNote =
    "Wika Gauges are provided as a courtesy and convenience for our good customers";
inline constexpr std::string_view kCompartFittingsNote =
    "Compart Fittings are provided as a courtesy and convenience for our good customers";
inline constexpr std::string_view kTabs[] = {"Product Configurator", "Product Literature",
                                             "Technical Information"};

}  // namespace tarvek::page
