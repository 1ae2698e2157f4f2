// The configuration record: the part-number and price segments every choice writes,
// the non-standard markers, and the reset groups that clear them.
#pragma once

#include <array>
#include <string>

namespace tarvek {

struct ConfigurationRecord {
    // Part-number segments, in the order they are joined. Each carries its own separators.
    std::string lblPNModel, lblPNBody, lblPNPorting;
    std::string lblPNConn1, lblPNConn2, lblPNConn3, lblPNConn4;
    std::string lblPNOptionsSeat, lblPNOptionsColor, lblPNOptionsGeneral, lblPNOptionsGeneral2;

    // Price segments, one per part-number segment, as the catalogue writes the amounts.
    std::string lblPriceModel = "0", lblPriceBody = "0", lblPricePorting = "0";
    std::string lblPriceConn1 = "0", lblPriceConn2 = "0", lblPriceConn3 = "0", lblPriceConn4 = "0";
    std::string lblPriceOptionsSeat = "0", lblPriceOptionsColor = "0";
    std::string lblPriceOptionsGeneral = "0", lblPriceOptionsGeneral2 = "0";

    // Non-standard markers: "NS" or "".
    std::string lblNSConn1, lblNSConn2, lblNSConn3, lblNSConn4, lblNSOptions;

    bool operator==(const ConfigurationRecord&) const = default;
};

using Segment = std::string ConfigurationRecord::*;

inline constexpr std::array<Segment, 11> kPartNumberSegments = {
    &ConfigurationRecord::lblPNModel,          &ConfigurationRecord::lblPNBody,
    &ConfigurationRecord::lblPNPorting,        &ConfigurationRecord::lblPNConn1,
    &ConfigurationRecord::lblPNConn2,          &ConfigurationRecord::lblPNConn3,
    &ConfigurationRecord::lblPNConn4,          &ConfigurationRecord::lblPNOptionsSeat,
    &ConfigurationRecord::lblPNOptionsColor,   &ConfigurationRecord::lblPNOptionsGeneral,
    &ConfigurationRecord::lblPNOptionsGeneral2};

inline constexpr std::array<Segment, 11> kPriceSegments = {
    &ConfigurationRecord::lblPriceModel,          &ConfigurationRecord::lblPriceBody,
    &ConfigurationRecord::lblPricePorting,        &ConfigurationRecord::lblPriceConn1,
    &ConfigurationRecord::lblPriceConn2,          &ConfigurationRecord::lblPriceConn3,
    &ConfigurationRecord::lblPriceConn4,          &ConfigurationRecord::lblPriceOptionsSeat,
    &ConfigurationRecord::lblPriceOptionsColor,   &ConfigurationRecord::lblPriceOptionsGeneral,
    &ConfigurationRecord::lblPriceOptionsGeneral2};

// Connection positions 1 to 4, index 0 to 3.
inline constexpr std::array<Segment, 4> kConnectionCodes = {
    &ConfigurationRecord::lblPNConn1, &ConfigurationRecord::lblPNConn2, &ConfigurationRecord::lblPNConn3,
    &ConfigurationRecord::lblPNConn4};
inline constexpr std::array<Segment, 4> kConnectionPrices = {
    &ConfigurationRecord::lblPriceConn1, &ConfigurationRecord::lblPriceConn2,
    &ConfigurationRecord::lblPriceConn3, &ConfigurationRecord::lblPriceConn4};
inline constexpr std::array<Segment, 5> kMarkers = {
    &ConfigurationRecord::lblNSConn1, &ConfigurationRecord::lblNSConn2, &ConfigurationRecord::lblNSConn3,
    &ConfigurationRecord::lblNSConn4, &ConfigurationRecord::lblNSOptions};

// The displayed part number: the eleven segments joined as they stand.
std::string composePartNumber(const ConfigurationRecord& record);

// Reset groups. Option segments (seat, colour, lever) are not written here: they follow
// the option controls, which the window puts back to their defaults.
void fullReset(ConfigurationRecord& record);     // product type or body chosen
void modelReset(ConfigurationRecord& record);    // model chosen; keeps the body
void portingReset(ConfigurationRecord& record);  // porting chosen: connection placeholders
void markerReset(ConfigurationRecord& record);   // part of all three above

}  // namespace tarvek
