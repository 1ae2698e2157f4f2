// One row of the gas table "Gas Data", its values already in the text the window shows.
#pragma once

#include <cstddef>
#include <string>

namespace tarvek {

struct GasRecord {
    std::string name;             // "Gas Name", UTF-8
    std::string specificGravity;  // "Specific Gravity": ordinary decimal text, empty when missing
    std::string specificHeat;     // "Specific Heat" (k): the same

    friend bool operator==(const GasRecord&, const GasRecord&) = default;
};

// More rows than any gas table holds: a file claiming more is not read.
inline constexpr std::size_t kMaxGasRecords = 100000;

}  // namespace tarvek
