// The calculator's fields read as the working numbers of its flow equation: which inputs
// are still missing, and the single-precision values the equation works with.
#pragma once

#include <optional>
#include <vector>

#include "rules/calculator/flow_calculation.h"

namespace tarvek {

// In the order a user fills them in.
enum class FlowInput { Mode, Gas, Temperature, InletPressure, OutletPressure, Cv, MassFlow, XtFactor };

// What keeps the calculation from running: no mode, no gas (a specific gravity of 0 or
// less), or an empty box. Empty when the calculation can run.
std::vector<FlowInput> missingInputs(const FlowFields& fields);

struct FlowInputs {
    FlowMode mode = FlowMode::None;
    float inlet = 0;   // psia
    float outlet = 0;  // psia
    float g = 0;       // square root of 1 / (SG x T)
    float xt = 0;      // never 0 or less
    double given = 0;  // Cv in mass-flow mode, slm in Cv mode
};

constexpr double kAtmosphere = 14.7;  // psig to psia

// No value while an input is missing.
std::optional<FlowInputs> flowInputs(const FlowFields& fields);

}  // namespace tarvek
