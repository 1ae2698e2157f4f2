// Connections that are standard products on some series and portings although a diaphragm
// valve's numbered tube stubs are otherwise not standard.
#pragma once

#include <array>
#include <string_view>

#include "rules/catalogue/connections.h"

namespace tarvek {

struct StandardException {
    std::array<std::string_view, 2> series;  // one or two body codes ("" fills)
    std::string_view porting;                // porting code
    ConnectionKind connection1;              // required in position 1
    ConnectionKind connection3;              // required in position 3; Unused: position 3 not involved
};

// clang-format off
inline constexpr std::array<StandardException, 7> kStandardExceptions = {{
    {{"-MX1", "-MX2"}, "-2C", ConnectionKind::NumberedStub6, ConnectionKind::Unused},
    {{"-MX1", "-MX2"}, "-3B", ConnectionKind::NumberedStub6, ConnectionKind::NumberedStub6},
    {{"-MX3", ""}, "-2A", ConnectionKind::NumberedStub8, ConnectionKind::NumberedStub8},
    {{"-MX3", ""}, "-2C", ConnectionKind::NumberedStub8, ConnectionKind::Unused},
    {{"-MX3", ""}, "-3B", ConnectionKind::NumberedStub8, ConnectionKind::NumberedStub8},
    {{"-MX2", ""}, "-2A", ConnectionKind::NumberedStub6, ConnectionKind::NumberedStub6},
    {{"-HMX3", ""}, "-2A", ConnectionKind::NumberedStub8, ConnectionKind::NumberedStub8},
}};
// clang-format on

}  // namespace tarvek
