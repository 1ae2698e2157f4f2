// What a search reads from the catalogue's own texts: an actuator's kind from its model entry,
// a connection's kind and size from its entry, a valve's Cv and rated pressure from its note.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvek::search {

// "A310 --- Air-Op N.C., Low Pressure" is air-operated and normally closed, "N350 --- Manual,
// Round Knob" manual; a pneumatic actuator is air-operated. Empty for an entry that names no
// actuator (a regulator range, a fitting).
std::string actuatorKind(std::string_view modelEntry);

// "M - Male Face Seal, 1/4 inch Hi Flo": kind "Male Face Seal", size "1/4 inch" (a high-flow
// or thick-walled end is still that size). Empty parts for a text that is no connection entry.
struct ConnectionNature {
    std::string_view kind;
    std::string_view size;
};
ConnectionNature connectionNature(std::string_view entry);

// ".23 Cv, 250 psig": Cv in thousandths (230) and the rated pressure in psig (250); the series
// notes name the Cv alone (".5 Cv").
struct ValveRating {
    std::optional<int> cvThousandths;
    std::optional<int> ratedPsig;
};
ValveRating valveRating(std::string_view note);

}  // namespace tarvek::search
