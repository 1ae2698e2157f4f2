#include "app/configurator/control_names.h"

namespace tarvek::form {
namespace {

constexpr std::string_view kMarked = "NS";

std::string mark(bool marked) { return std::string(marked ? kMarked : ""); }

}  // namespace

std::optional<std::string> recordLabelText(const ConfigurationRecord& record, std::string_view label) {
    for (std::size_t i = 0; i < kSegmentCount; ++i) {
        const Contribution& segment = record[Segment(i)];
        if (label == kSegmentLabels[i].code) return std::string(segment.code);
        if (label == kSegmentLabels[i].price) return std::string(segment.price.written());
    }
    for (std::size_t i = 0; i < kConnectionPositions; ++i)
        if (label == kConnectionMarkLabels[i]) return mark(record.nonStandard[i]);
    if (label == kOptionsMarkLabel) return mark(record.optionsNonStandard);
    return std::nullopt;
}

}  // namespace tarvek::form
