#include "rules/configurator/nonstandard_reasons.h"

#include <string_view>

namespace tarvek {
namespace {

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// "-MX2" -> "MX2", "-2A" -> "2A".
std::string_view withoutDash(std::string_view code) { return code.starts_with('-') ? code.substr(1) : code; }

}  // namespace

std::vector<std::string> nonStandardReasons(const ConfiguratorState& state) {
    const ConfigurationRecord& r = state.record;
    std::vector<std::string> reasons;
    for (std::size_t i = 0; i < kConnectionPositions; ++i) {
        if (!r.nonStandard[i]) continue;
        const std::string position = "Connection " + std::to_string(i + 1) + ": ";
        const std::string_view entry = state.list(connectionList(i)).chosenText();
        // A fixed male face seal is marked for its missing partner, anything else for itself.
        if (r.connectionKinds[i] == ConnectionKind::FixedMaleFaceSeal) {
            const std::size_t partner = i == 0 ? 3 : 1;
            reasons.push_back(position + quoted(entry) + " is standard only with the same in connection " +
                              std::to_string(partner));
        } else {
            reasons.push_back(position + quoted(entry) + " is not standard on " +
                              std::string(withoutDash(r.body.code)) + " with porting " +
                              std::string(withoutDash(r.porting.code)));
        }
    }
    return reasons;
}

std::string nonStandardExplanation(const ConfiguratorState& state) {
    std::string text;
    for (const std::string& reason : nonStandardReasons(state)) {
        if (!text.empty()) text += '\n';
        text += reason;
    }
    return text;
}

}  // namespace tarvek
