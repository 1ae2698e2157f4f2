#include "rules/configurator/configuration_record.h"

namespace tarvek {
namespace {

using R = ConfigurationRecord;

// The segments as members, in part-number order.
constexpr std::array<Contribution R::*, 3> kHead = {&R::model, &R::body, &R::porting};
constexpr std::array<Contribution R::*, 4> kTail = {&R::seat, &R::handleColour, &R::generalOption,
                                                    &R::leverHandle};

template <typename Record>
auto& segmentOf(Record& record, Segment segment) {
    const auto i = std::size_t(segment);
    if (i < kHead.size()) return record.*kHead[i];
    if (i < kHead.size() + kConnectionPositions) return record.connections[i - kHead.size()];
    return record.*kTail[i - kHead.size() - kConnectionPositions];
}

void clearConnections(ConfigurationRecord& record) {
    for (std::size_t i = 0; i < kConnectionPositions; ++i) {
        record.connections[i] = {};
        record.connectionKinds[i] = ConnectionKind::Unused;
    }
}

}  // namespace

Contribution& ConfigurationRecord::operator[](Segment segment) { return segmentOf(*this, segment); }
const Contribution& ConfigurationRecord::operator[](Segment segment) const {
    return segmentOf(*this, segment);
}

std::string partNumberThrough(const ConfigurationRecord& record, Segment last) {
    std::string partNumber;
    for (std::size_t i = 0; i <= std::size_t(last); ++i) partNumber += record[Segment(i)].code;
    return partNumber;
}

std::string composePartNumber(const ConfigurationRecord& record) {
    return partNumberThrough(record, Segment::LeverHandle);
}

Money listPrice(const ConfigurationRecord& record) {
    Money sum;
    for (std::size_t i = 0; i < kSegmentCount; ++i) sum = sum + record[Segment(i)].price.amount();
    return sum;
}

void markerReset(ConfigurationRecord& record) {
    record.nonStandard = {};
    record.optionsNonStandard = false;
}

// The lever handle is not among them: it follows its check box alone.
void fullReset(ConfigurationRecord& record) {
    record.body = record.model = record.porting = {};
    clearConnections(record);
    record.handleColour = record.seat = record.generalOption = {};
    markerReset(record);
}

// Keeps the body, and the seat, which follows its option buttons.
void modelReset(ConfigurationRecord& record) {
    record.model = record.porting = {};
    clearConnections(record);
    record.handleColour = {};
    markerReset(record);
}

void portingReset(ConfigurationRecord& record) {
    for (std::size_t i = 0; i < kConnectionPositions; ++i) {
        record.connections[i] = {kUnusedPositionCodes[i]};
        record.connectionKinds[i] = ConnectionKind::Unused;
    }
    markerReset(record);
}

}  // namespace tarvek
