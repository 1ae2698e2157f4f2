#include "rules/catalogue/bodies.h"

#include <vector>

#include "rules/catalogue/other_models.h"

namespace tarvek {
namespace {

template <typename Table>
std::vector<std::string_view> entriesOfFamily(const Table& table, std::string_view family) {
    std::vector<std::string_view> entries;
    for (const auto& row : table)
        if (row.family == family) entries.push_back(row.entry);
    return entries;
}

std::vector<std::string_view> derivedModelEntries(const Body& body) {
    switch (body.kind) {
        case BodyKind::ValveSeries:
            return {body.actuators.begin(), body.actuators.end()};
        case BodyKind::VBlock:
            return {};
        case BodyKind::RegulatorSeries: {
            std::vector<std::string_view> entries;
            for (const auto& range : kRegulatorRanges) entries.push_back(range.entry);
            return entries;
        }
        case BodyKind::FlowComponents:
            return entriesOfFamily(kFlowComponents, body.entry);
        case BodyKind::Fittings:
            return entriesOfFamily(kFittings, body.entry);
    }
    return {};
}

}  // namespace

Entries modelEntries(const Body& body) { return derivedEntries(kBodies, body, derivedModelEntries); }

}  // namespace tarvek
