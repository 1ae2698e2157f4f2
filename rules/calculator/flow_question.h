// One flow question asked without the window, by either method: a gas, a temperature, the
// inlet and outlet pressures, and a Cv or a flow; solved with every figure the calculator
// shows, and answered as one CSV row (RFC 4180, lines ending in CR LF) or with the reason
// there is no answer. By the catalogue's formula the answer is the calculator model's own,
// given the texts a user would type; by the standard, the sizing's, its boxes checked as the
// window checks them. The command line and a tagged service ask through the same solution.
#pragma once

#include <optional>
#include <string>

#include "rules/calculator/iec_gas_sizing.h"
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
    // The standard's units for the temperature, the pressures and the flow; the catalogue's
    // formula works in psig, °F and slm alone.
    SizingUnits units;
};

// What the calculator shows for the question, as texts the row writes, and the figures behind them.
struct FlowSolution {
    std::string noResult;                            // why there is none; everything else is empty then
    std::string specificGravity, specificHeat, xt;   // as the calculation took them
    std::string cv, flow;                            // the one given as it was, the other as solved
    std::string flowKilogramsPerHour, x, fGamma, y;  // fγ and Y by the standard only
    bool choked = false;
    // For a flow: the Cv it needs as a valve must offer it, before the calculator cuts it
    // down to three decimals (the catalogue's) or writes six digits (the standard's).
    std::optional<double> cvNeeded;
    std::optional<IecSizing> sizing;  // by the standard: its every factor

    bool ok() const { return noResult.empty(); }
};

struct FlowAnswer {
    std::string row;       // with its line end; empty without an answer
    std::string noResult;  // why there is no answer
};

// method,gas,sg,k,temperature_f,inlet_psig,outlet_psig,xt,cv,flow_slm,flow_kg_h,x,fgamma,y,choked
std::string flowCsvHeader();

FlowSolution solveFlow(const FlowQuestion& question);
FlowAnswer answerFlow(const FlowQuestion& question);

}  // namespace tarvek
