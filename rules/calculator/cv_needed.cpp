#include "rules/calculator/cv_needed.h"

#include "rules/numbers/number_text.h"

namespace tarvek {
namespace {

std::optional<double> shownNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return leadingNumber(text);
}

}  // namespace

std::optional<double> cvNeeded(const CalculatorState& s) {
    if (s.method == CalculationMethod::Iec) {
        if (!s.sizing.outcome.ok()) return std::nullopt;
        return s.sizing.outcome.sizing->cv;
    }
    if (s.mode == FlowMode::Cv) return shownNumber(s.cvResult.text);
    if (s.mode != FlowMode::MassFlow || s.massFlowResult.text.empty()) return std::nullopt;
    FlowFields asked = s.fields();
    asked.mode = FlowMode::Cv;
    asked.massFlow = s.massFlowResult.text;
    const FlowOutcome outcome = calculateFlow(asked);
    if (outcome.action != FlowOutcome::Action::Write) return std::nullopt;
    return shownNumber(outcome.resultText);
}

}  // namespace tarvek
