// The form's names for what the configurator calls by the catalogue's words: the one table
// between the two vocabularies. The widgets carry these names as object names, and tests
// and accessibility tools find the controls by them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/configurator/configurator_state.h"

namespace tarvek::form {

// In the order of List.
inline constexpr std::array<const char*, kListCount> kLists = {
    "lstProductType", "lstBody", "lstModel", "lstPorting", "lstConn1", "lstConn2", "lstConn3", "lstConn4"};
inline constexpr std::array<const char*, kListCount> kListCaptions = {
    "lblProductType", "lblBody", "lblModel", "lblPorting", "lblConn1", "lblConn2", "lblConn3", "lblConn4"};

// In the order of Option.
inline constexpr std::array<const char*, kOptionCount> kOptions = {
    "optStd", "optVSKZ", "optB5EP", "optBL", "optBK", "optGR", "optRD", "optWH", "optYW", "chkLS"};

// The form kept the configuration record in hidden labels: a part-number label and a price
// label per segment, in the order of Segment, and a label per non-standard mark.
struct SegmentLabels {
    const char* code;
    const char* price;
};
inline constexpr std::array<SegmentLabels, kSegmentCount> kSegmentLabels = {{
    {"lblPNModel", "lblPriceModel"},
    {"lblPNBody", "lblPriceBody"},
    {"lblPNPorting", "lblPricePorting"},
    {"lblPNConn1", "lblPriceConn1"},
    {"lblPNConn2", "lblPriceConn2"},
    {"lblPNConn3", "lblPriceConn3"},
    {"lblPNConn4", "lblPriceConn4"},
    {"lblPNOptionsSeat", "lblPriceOptionsSeat"},
    {"lblPNOptionsColor", "lblPriceOptionsColor"},
    {"lblPNOptionsGeneral", "lblPriceOptionsGeneral"},
    {"lblPNOptionsGeneral2", "lblPriceOptionsGeneral2"},
}};
inline constexpr std::array<const char*, kConnectionPositions> kConnectionMarkLabels = {
    "lblNSConn1", "lblNSConn2", "lblNSConn3", "lblNSConn4"};
inline constexpr const char* kOptionsMarkLabel = "lblNSOptions";

// What the hidden label of that name would read for a record: a code, a price as the catalogue
// writes it, or "NS" for a marked position. None for a name that is not such a label.
std::optional<std::string> recordLabelText(const ConfigurationRecord& record, std::string_view label);

}  // namespace tarvek::form
