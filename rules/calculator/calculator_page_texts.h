// The technical page's own texts around the calculator and the sizing: frames, captions of
// the boxes, the method's choices, the result in other units' line. One place for every
// edition of the page (the window's form says the same, and a window test holds it to these).
#pragma once

#include <string_view>

namespace tarvek::technical_page {

inline constexpr std::string_view kCalculatorFrame = "Cv / Flow Calculator";
inline constexpr std::string_view kGasFrame = "Gas Details";
inline constexpr std::string_view kGas = "Gas";
inline constexpr std::string_view kSpecificGravity = "Specific Gravity (SG):";
inline constexpr std::string_view kTemperature = "Temperature (F):";
inline constexpr std::string_view kInletPressure = "Inlet Pressure (psig):";
inline constexpr std::string_view kOutletPressure = "Outlet Pressure (psig):";
inline constexpr std::string_view kCalculateFrame = "Calculate";
inline constexpr std::string_view kChokedFlow = "Choked Flow!";
inline constexpr std::string_view kMassFlow = "Mass Flow (slm):";
inline constexpr std::string_view kCv = "Flow Coefficient (Cv):";
inline constexpr std::string_view kMethodFrame = "Calculation Method";
inline constexpr std::string_view kCatalogueMethod = "Catalogue";
inline constexpr std::string_view kIecMethod = "IEC 60534-2-1";
inline constexpr std::string_view kSizingFrame = "IEC 60534-2-1 Gas Sizing";
inline constexpr std::string_view kSolveFor = "Solve for:";

// The sizing's captions, in the order of SizingBox.
inline constexpr std::string_view kSizingCaptions[] = {
    "Temperature:", "Inlet pressure:", "Outlet pressure:",     "Cv:", "Flow:", "xT:",
    "Z:",           "Viscosity (cP):", "Inlet diameter (mm):", "Fd:", "FL:"};
// And their longer names, as a screen reader says them.
inline constexpr std::string_view kSizingNames[] = {"Temperature",
                                                    "Inlet pressure",
                                                    "Outlet pressure",
                                                    "Cv",
                                                    "Flow",
                                                    "Pressure differential ratio factor xT",
                                                    "Compressibility factor Z",
                                                    "Viscosity (cP)",
                                                    "Inlet diameter (mm)",
                                                    "Valve style modifier Fd",
                                                    "Liquid pressure recovery factor FL"};

inline constexpr std::string_view kValvesForFlow = "Valves for this Flow";
inline constexpr std::string_view kValvesForFlowHint =
    "Find the valves whose Cv and rated pressure pass this flow";
inline constexpr std::string_view kFlowCurve = "Flow curve";

}  // namespace tarvek::technical_page
