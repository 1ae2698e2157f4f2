// The valve Reynolds number and the Reynolds number factor FR of IEC 60534-2-1, for the
// small valves and low flows where the flow is no longer turbulent (Rev below 10,000).
// Constants are the standard's for Cv with diameters in mm.
#pragma once

namespace tarvek {

// What the Reynolds number needs besides the flow and Cv; all four greater than 0.
struct ReynoldsInputs {
    double viscosity = 0;      // the gas's dynamic viscosity, cP
    double inletDiameter = 0;  // the valve's inlet, mm
    double fd = 0;             // valve style modifier, at most 1
    double fl = 0;             // liquid pressure recovery factor, at most 1

    friend bool operator==(const ReynoldsInputs&, const ReynoldsInputs&) = default;
};

// Below this the flow is not turbulent and FR applies.
inline constexpr double kTurbulentReynoldsNumber = 10000;

bool usable(const ReynoldsInputs& inputs);

// Rev = N4 Fd Q / (ν √(C FL)) (FL² C² / (N2 D⁴) + 1)^¼, with Q / ν (a standard volume over a
// kinematic viscosity at the same conditions) taken as the mass flow over the dynamic
// viscosity, which holds at any conditions.
double valveReynoldsNumber(const ReynoldsInputs& inputs, double massFlowPoundsPerHour, double cv);

// FR for a valve of this Cv at this Reynolds number: the lesser of the transitional and the
// laminar factor (the laminar one alone below Rev 10), never above 1; 1 from Rev 10,000 up.
double reynoldsNumberFactor(const ReynoldsInputs& inputs, double reynoldsNumber, double cv);

}  // namespace tarvek
