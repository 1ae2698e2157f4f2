// Gas sizing by IEC 60534-2-1: the flow through a valve of a given Cv, the Cv a flow
// needs, or the outlet pressure at which a valve of a given Cv passes a given flow.
// Turbulent flow weighs the gas's expansion (Y), the valve's pressure differential ratio
// factor xT and the specific heat ratio factor Fγ, and chokes at x = Fγ xT; with the gas's
// viscosity and the valve's inlet, Fd and FL given, a valve Reynolds number below 10,000
// switches to the standard's non-turbulent equation with its factor FR. Units: psia, °R,
// lb/h (the standard's constants for Cv in US units).
#pragma once

#include <optional>
#include <string_view>

#include "rules/calculator/reynolds_factor.h"

namespace tarvek {

struct IecGas {
    double specificGravity = 0;  // relative to air: M = 28.96 x SG
    double k = 0;                // ratio of specific heats, Fγ = k / 1.4
    double z = 1;                // compressibility factor at the inlet
    double temperature = 0;      // at the inlet, °R

    friend bool operator==(const IecGas&, const IecGas&) = default;
};

struct IecCase {
    IecGas gas;
    double xt = 0;                           // the valve's pressure differential ratio factor
    std::optional<ReynoldsInputs> reynolds;  // none: the flow is taken as turbulent
    double inlet = 0;                        // psia
    double outlet = 0;                       // psia; the unknown when solving for it

    friend bool operator==(const IecCase&, const IecCase&) = default;
};

struct IecSizing {
    double cv = 0;
    double massFlow = 0;  // lb/h
    double outlet = 0;    // psia
    double x = 0;         // pressure drop ratio Δp / p1 of the pressures
    double fGamma = 0;    // k / 1.4
    double xChoked = 0;   // Fγ xT: x at and beyond which the flow is choked
    double y = 1;         // expansion factor, 1 - x / (3 Fγ xT) with x at most Fγ xT
    bool choked = false;
    bool turbulent = true;
    std::optional<double> reynoldsNumber;  // when the Reynolds inputs were given and gas flows
    double fr = 1;                         // Reynolds number factor

    friend bool operator==(const IecSizing&, const IecSizing&) = default;
};

// Why there is no sizing: the first of these that applies.
enum class IecGap {
    None,
    NoGas,              // specific gravity 0 or less
    BadK,               // k 0 or less
    BadZ,               // Z 0 or less
    BadXt,              // xT 0 or less, or above 1
    BadTemperature,     // at or below absolute zero
    BadReynoldsInputs,  // viscosity, inlet, Fd or FL out of range
    NoInletPressure,    // inlet at or below vacuum
    VacuumOutlet,       // outlet at or below vacuum: x would be 1 or more
    NoPressureDrop,     // outlet not below the inlet
    NegativeCv,         // Cv below 0
    NegativeFlow,       // flow below 0
    AboveMostFlow,      // more flow than the valve passes at any outlet pressure
    OutOfRange,         // no finite result: numbers too large (or too small)
};

struct IecOutcome {
    std::optional<IecSizing> sizing;
    IecGap gap = IecGap::None;
    double mostFlow = 0;  // lb/h, for AboveMostFlow

    bool ok() const { return sizing.has_value(); }
};

// The reason in words, to follow "No result: ".
std::string_view gapReason(IecGap gap);

IecOutcome iecFlow(const IecCase& conditions, double cv);
IecOutcome iecCv(const IecCase& conditions, double massFlow);
// The highest outlet pressure at which the valve passes the flow; conditions.outlet is unused.
IecOutcome iecOutlet(const IecCase& conditions, double cv, double massFlow);

}  // namespace tarvek
