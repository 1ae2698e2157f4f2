// One flow question asked without the window, by either method: a gas, a temperature, the
// inlet and outlet pressures, and a Cv or a flow; answered as one CSV row (RFC 4180, lines
// ending in CR LF) or with the reason there is no answer. By the catalogue's formula the
// answer is the calculator model's own, given the texts a user would type.
#pragma once

#include <optional>
#include <string>

#include "rules/calculator/sizing_state.h"

namespace tarvek {

struct FlowQuestion {
    CalculationMethod method = CalculationMethod::Catalogue;
    std::string gas;  // the gas's name, or empty when its values were given
    std::string specificGravity, specificHeat;
    std::string temperature;                    // °F
    std::string inletPressure, outletPressure;  // psig
    std::optional<std::string> cv, flow;        // one of them; the flow in slm
    std::optional<std::string> xt;  // the catalogue's: from k, as the gas sets it; the standard's: 0.5
    std::optional<std::string> z;   // the standard's only: 1
};

struct FlowAnswer {
    std::string row;       // with its line end; empty without an answer
    std::string noResult;  // why there is no answer
};

// method,gas,sg,k,temperature_f,inlet_psig,outlet_psig,xt,cv,flow_slm,flow_kg_h,x,fgamma,y,choked
std::string flowCsvHeader();

FlowAnswer answerFlow(const FlowQuestion& question);

}  // namespace tarvek
