// Which connection positions are not standard products for the chosen series and porting.
#pragma once

#include <array>
#include <string_view>

#include "rules/configurator/configuration_record.h"

namespace tarvek {

// Combinations the catalogue sells as standard although the default rule marks them.
struct StandardException {
    std::array<std::string_view, 2> series;  // one or two body segments ("" fills)
    std::string_view porting;
    std::string_view conn1;  // required code in position 1
    std::string_view conn3;  // required code in position 3; empty: position 3 not involved
};

inline constexpr std::array<StandardException, 7> kStandardExceptions = {{
    {{"-MX1", "-MX2"}, "-2C", "-6", ""},
    {{"-MX1", "-MX2"}, "-3B", "-6", "6"},
    {{"-MX3", ""}, "-2A", "-8", "8"},
    {{"-MX3", ""}, "-2C", "-8", ""},
    {{"-MX3", ""}, "-3B", "-8", "8"},
    {{"-MX2", ""}, "-2A", "-6", "6"},
    {{"-HMX3", ""}, "-2A", "-8", "8"},
}};

// Sets the markers of a diaphragm valve (other product types keep theirs) and returns
// whether the non-standard banner shows.
bool nonStandardCheck(std::string_view productType, ConfigurationRecord& record);

}  // namespace tarvek
