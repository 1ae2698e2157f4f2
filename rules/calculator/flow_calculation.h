// The flow equation of the calculator: the mass flow through a valve of a given Cv, or
// the Cv a given mass flow needs, for a gas at a temperature and an inlet and outlet
// pressure, limited to the choked flow once the pressure ratio reaches Xt.
#pragma once

#include <string>
#include <string_view>

namespace tarvek {

enum class FlowMode { None, MassFlow, Cv };

// The calculator's fields as it holds them: texts, read with the leading-number
// rule (a text that is not a number reads as 0; an empty text is a missing input).
struct FlowFields {
    FlowMode mode = FlowMode::None;
    std::string_view temperature;     // degrees Fahrenheit
    std::string_view inletPressure;   // psig
    std::string_view outletPressure;  // psig
    std::string_view specificGravity;
    std::string_view xtFactor;
    std::string_view cv;        // the input in mass-flow mode
    std::string_view massFlow;  // slm; the input in Cv mode
};

struct FlowOutcome {
    enum class Action {
        None,   // an input is missing: every output keeps its content
        Clear,  // no flow (or no finite result): empty the mode's result, hide "Choked Flow!"
        Write,  // write resultText into the mode's result box, show "Choked Flow!" when choked
    };
    Action action = Action::None;
    std::string resultText;  // the flow cut to one decimal, or Cv cut to three
    bool choked = false;

    friend bool operator==(const FlowOutcome&, const FlowOutcome&) = default;
};

FlowOutcome calculateFlow(const FlowFields& fields);

// The results as written: cut down (never rounded up) to one decimal for the flow and
// three for Cv, in single precision, as text of at most 7 significant digits.
std::string massFlowText(float flow);
std::string cvText(float cv);

}  // namespace tarvek
