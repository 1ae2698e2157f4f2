// The configuration record: the part-number code and price every choice writes, which
// connection positions are not standard, and the reset groups that clear them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "rules/catalogue/connections.h"
#include "rules/catalogue/price.h"

namespace tarvek {

// The places of a part number, in the order they are joined.
enum class Segment {
    Model,
    Body,
    Porting,
    Connection1,
    Connection2,
    Connection3,
    Connection4,
    Seat,
    HandleColour,
    GeneralOption,  // no choice writes it; only resets clear it
    LeverHandle,
};
inline constexpr std::size_t kSegmentCount = 11;
inline constexpr std::size_t kConnectionPositions = 4;

struct ConfigurationRecord {
    Contribution model, body, porting;
    std::array<Contribution, kConnectionPositions> connections;
    Contribution seat, handleColour, generalOption, leverHandle;
    // The kind of connection chosen in each position; Unused also for the placeholder.
    std::array<ConnectionKind, kConnectionPositions> connectionKinds{};
    // Connection positions that are not standard products for the chosen series and porting.
    std::array<bool, kConnectionPositions> nonStandard{};
    bool optionsNonStandard = false;  // no rule sets it: the check clears it every time

    Contribution& operator[](Segment segment);
    const Contribution& operator[](Segment segment) const;

    bool operator==(const ConfigurationRecord&) const = default;
};

constexpr Segment connectionSegment(std::size_t position) {
    return Segment(std::size_t(Segment::Connection1) + position);
}

// The part number: the segments' codes joined as they stand, blanks included.
std::string composePartNumber(const ConfigurationRecord& record);
// The part number through `last`, for reading a part number segment by segment.
std::string partNumberThrough(const ConfigurationRecord& record, Segment last);

// The sum of the eleven prices.
Money listPrice(const ConfigurationRecord& record);

// Reset groups. Option segments (seat, colour, lever) are not written here: they follow
// the option controls, which the configurator puts back to their defaults.
void fullReset(ConfigurationRecord& record);     // product type or body chosen
void modelReset(ConfigurationRecord& record);    // model chosen; keeps the body
void portingReset(ConfigurationRecord& record);  // porting chosen: connection placeholders
void markerReset(ConfigurationRecord& record);   // part of all three above

}  // namespace tarvek
