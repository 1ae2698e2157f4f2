// The filters of a search, each one held back in turn for the counts, and the marks a
// configuration carries for the filters it fails.
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/search/search_index.h"

namespace tarvek::search {

enum class Filter {
    ProductType,
    Body,
    Model,
    Actuator,
    Porting,
    Cv,
    RatedPressure,
    Connection,  // kind and size at the scope
    Seat,
    HandleColour,
    LeverHandle,
    Standard,
    Price,
    Text,
};
inline constexpr std::size_t kFilterCount = 14;

// The filter that holds an attribute's value.
constexpr Filter filterOf(Attribute attribute) {
    switch (attribute) {
        case Attribute::ConnectionKind:
        case Attribute::ConnectionSize:
            return Filter::Connection;
        case Attribute::Seat:
            return Filter::Seat;
        case Attribute::HandleColour:
            return Filter::HandleColour;
        case Attribute::LeverHandle:
            return Filter::LeverHandle;
        default:
            return Filter(std::size_t(attribute));
    }
}

// The filters a configuration fails, one bit each.
using FilterMask = std::uint32_t;
constexpr FilterMask bit(Filter f) { return FilterMask(1) << unsigned(f); }
constexpr bool isSingle(FilterMask m) { return m != 0 && (m & (m - 1)) == 0; }

}  // namespace tarvek::search
