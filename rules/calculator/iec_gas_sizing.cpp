#include "rules/calculator/iec_gas_sizing.h"

#include <cmath>

#include "rules/calculator/sizing_units.h"

namespace tarvek {
namespace {

// The standard's constants for Cv, lb/h, psia and °R: N8 of the turbulent equation and N27
// of the non-turbulent one (about N8 / √2, so that the two agree for a small pressure drop).
constexpr double kN8 = 19.3;
constexpr double kN27 = 13.7;
constexpr double kAirSpecificHeatRatio = 1.4;
constexpr int kBisections = 200;      // far more than a double's 53 bits need
constexpr double kPrecision = 1e-14;  // relative: a few units in the last place

bool finite(const IecCase& c) {
    return std::isfinite(c.gas.specificGravity) && std::isfinite(c.gas.k) && std::isfinite(c.gas.z) &&
           std::isfinite(c.gas.temperature) && std::isfinite(c.inlet);
}

// What is wrong with the gas, the valve or the inlet, whatever the unknown.
IecGap checkCase(const IecCase& c) {
    if (!(c.gas.specificGravity > 0)) return IecGap::NoGas;
    if (!(c.gas.k > 0)) return IecGap::BadK;
    if (!(c.gas.z > 0)) return IecGap::BadZ;
    if (!(c.xt > 0 && c.xt <= 1)) return IecGap::BadXt;
    if (!(c.gas.temperature > 0)) return IecGap::BadTemperature;
    if (c.reynolds && !usable(*c.reynolds)) return IecGap::BadReynoldsInputs;
    if (!(c.inlet > 0)) return IecGap::NoInletPressure;
    if (!finite(c)) return IecGap::OutOfRange;
    return IecGap::None;
}

IecGap checkOutlet(const IecCase& c, double outlet) {
    if (!(outlet > 0)) return IecGap::VacuumOutlet;
    if (!(outlet < c.inlet)) return IecGap::NoPressureDrop;
    return IecGap::None;
}

IecOutcome noSizing(IecGap gap) { return {std::nullopt, gap, 0}; }

// x, Fγ, Y and whether the flow is choked at this outlet pressure.
IecSizing expansionAt(const IecCase& c, double outlet) {
    IecSizing s;
    s.outlet = outlet;
    s.x = (c.inlet - outlet) / c.inlet;
    s.fGamma = c.gas.k / kAirSpecificHeatRatio;
    s.xChoked = s.fGamma * c.xt;
    s.choked = s.x >= s.xChoked;
    // At and beyond choking x stands at Fγ xT, and Y is exactly 2/3.
    s.y = s.choked ? 2.0 / 3.0 : 1 - s.x / (3 * s.xChoked);
    return s;
}

// lb/h per unit of Cv, turbulent: N8 p1 Y √(x M / (T1 Z)), x at most Fγ xT.
double turbulentFlowPerCv(const IecCase& c, const IecSizing& s) {
    const double x = s.choked ? s.xChoked : s.x;
    const double m = molecularMass(c.gas.specificGravity);
    return kN8 * c.inlet * s.y * std::sqrt(x * m / (c.gas.temperature * c.gas.z));
}

// lb/h per unit of Cv at FR 1, non-turbulent: N27 √(Δp (p1 + p2) M / T1).
double nonTurbulentFlowPerCv(const IecCase& c, double outlet) {
    const double m = molecularMass(c.gas.specificGravity);
    return kN27 * std::sqrt((c.inlet - outlet) * (c.inlet + outlet) * m / c.gas.temperature);
}

double factorAt(const ReynoldsInputs& r, double massFlow, double cv) {
    return reynoldsNumberFactor(r, valveReynoldsNumber(r, massFlow, cv), cv);
}

// Bisection: the last point of lo .. hi where `holds` is true, for a condition that holds
// from lo up to some point and not beyond.
template <typename Condition>
double lastHolding(double lo, double hi, Condition holds) {
    for (int i = 0; i < kBisections && hi - lo > kPrecision * hi; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (!(mid > lo && mid < hi)) break;
        (holds(mid) ? lo : hi) = mid;
    }
    return lo;
}

void markNonTurbulent(IecSizing& s, const ReynoldsInputs& r) {
    s.turbulent = false;
    s.choked = false;  // the non-turbulent equation has no choking: it uses Δp as it is
    s.reynoldsNumber = valveReynoldsNumber(r, s.massFlow, s.cv);
    s.fr = reynoldsNumberFactor(r, *s.reynoldsNumber, s.cv);
}

IecOutcome finished(IecSizing s) {
    const bool reynoldsFinite = !s.reynoldsNumber || std::isfinite(*s.reynoldsNumber);
    if (!std::isfinite(s.massFlow) || !std::isfinite(s.cv) || !std::isfinite(s.y) || !reynoldsFinite)
        return noSizing(IecGap::OutOfRange);
    return {s, IecGap::None, 0};
}

// The flow of a valve of this Cv at this outlet pressure, the case already checked.
IecSizing flowAt(const IecCase& c, double outlet, double cv) {
    IecSizing s = expansionAt(c, outlet);
    s.cv = cv;
    s.massFlow = cv * turbulentFlowPerCv(c, s);
    if (!c.reynolds || !(s.massFlow > 0)) return s;
    const ReynoldsInputs& r = *c.reynolds;
    s.reynoldsNumber = valveReynoldsNumber(r, s.massFlow, cv);
    if (!(*s.reynoldsNumber < kTurbulentReynoldsNumber)) return s;
    // W = FR(Rev(W)) W1: FR grows with the flow, so W - FR W1 changes sign once in 0 .. W1.
    const double atFactorOne = cv * nonTurbulentFlowPerCv(c, outlet);
    s.massFlow = lastHolding(0, atFactorOne, [&](double w) { return w < factorAt(r, w, cv) * atFactorOne; });
    markNonTurbulent(s, r);
    return s;
}

}  // namespace

std::string_view gapReason(IecGap gap) {
    switch (gap) {
        case IecGap::None:
            return {};
        case IecGap::NoGas:
            return "no gas: the specific gravity must be greater than 0";
        case IecGap::BadK:
            return "the ratio of specific heats k must be greater than 0";
        case IecGap::BadZ:
            return "the compressibility factor Z must be greater than 0";
        case IecGap::BadXt:
            return "xT must be greater than 0 and at most 1";
        case IecGap::BadTemperature:
            return "the temperature must be above absolute zero";
        case IecGap::BadReynoldsInputs:
            return "viscosity, inlet diameter, Fd and FL must be greater than 0, Fd and FL at most 1";
        case IecGap::NoInletPressure:
            return "the inlet pressure must be above vacuum";
        case IecGap::VacuumOutlet:
            return "the outlet pressure is vacuum, so x = Δp / p1 would be 1 or more";
        case IecGap::NoPressureDrop:
            return "the outlet pressure is not below the inlet pressure";
        case IecGap::NegativeCv:
            return "Cv must be 0 or more";
        case IecGap::NegativeFlow:
            return "the flow must be 0 or more";
        case IecGap::AboveMostFlow:
            return "the valve does not pass this flow at any outlet pressure";
        case IecGap::OutOfRange:
            return "the numbers are too large to calculate";
    }
    return {};
}

IecOutcome iecFlow(const IecCase& c, double cv) {
    if (const IecGap gap = checkCase(c); gap != IecGap::None) return noSizing(gap);
    if (const IecGap gap = checkOutlet(c, c.outlet); gap != IecGap::None) return noSizing(gap);
    if (!(cv >= 0)) return noSizing(IecGap::NegativeCv);
    if (!std::isfinite(cv)) return noSizing(IecGap::OutOfRange);
    return finished(flowAt(c, c.outlet, cv));
}

IecOutcome iecCv(const IecCase& c, double massFlow) {
    if (const IecGap gap = checkCase(c); gap != IecGap::None) return noSizing(gap);
    if (const IecGap gap = checkOutlet(c, c.outlet); gap != IecGap::None) return noSizing(gap);
    if (!(massFlow >= 0)) return noSizing(IecGap::NegativeFlow);
    if (!std::isfinite(massFlow)) return noSizing(IecGap::OutOfRange);

    IecSizing s = expansionAt(c, c.outlet);
    s.massFlow = massFlow;
    const double perCv = turbulentFlowPerCv(c, s);
    if (!std::isfinite(perCv)) return noSizing(IecGap::OutOfRange);
    s.cv = massFlow / perCv;
    if (!c.reynolds || !(massFlow > 0) || !std::isfinite(s.cv)) return finished(s);
    const ReynoldsInputs& r = *c.reynolds;
    s.reynoldsNumber = valveReynoldsNumber(r, massFlow, s.cv);
    if (!(*s.reynoldsNumber < kTurbulentReynoldsNumber)) return finished(s);

    // C FR(C) = C1, the Cv at FR 1: C FR(C) grows with C, and C is at least C1.
    const double atFactorOne = massFlow / nonTurbulentFlowPerCv(c, c.outlet);
    const auto tooSmall = [&](double cv) { return cv * factorAt(r, massFlow, cv) < atFactorOne; };
    double high = atFactorOne;
    for (int i = 0; i < kBisections && tooSmall(high); ++i) high *= 2;
    if (tooSmall(high)) return noSizing(IecGap::OutOfRange);
    s.cv = std::nextafter(lastHolding(atFactorOne, high, tooSmall), high);
    markNonTurbulent(s, r);
    return finished(s);
}

IecOutcome iecOutlet(const IecCase& c, double cv, double massFlow) {
    if (const IecGap gap = checkCase(c); gap != IecGap::None) return noSizing(gap);
    if (!(cv >= 0)) return noSizing(IecGap::NegativeCv);
    if (!(massFlow >= 0)) return noSizing(IecGap::NegativeFlow);
    if (!std::isfinite(cv) || !std::isfinite(massFlow)) return noSizing(IecGap::OutOfRange);
    if (massFlow == 0) {  // no flow needs no pressure drop
        IecSizing s = expansionAt(c, c.inlet);
        s.cv = cv;
        return finished(s);
    }

    // The flow falls as the outlet pressure rises; the most flow is at the lowest outlet.
    const double lowest = c.inlet * 1e-9;
    const IecSizing most = flowAt(c, lowest, cv);
    if (!std::isfinite(most.massFlow)) return noSizing(IecGap::OutOfRange);
    if (massFlow > most.massFlow) return {std::nullopt, IecGap::AboveMostFlow, most.massFlow};
    // The highest outlet pressure at which the valve still passes the flow.
    const double outlet =
        lastHolding(lowest, c.inlet, [&](double p2) { return flowAt(c, p2, cv).massFlow >= massFlow; });
    return finished(flowAt(c, outlet, cv));
}

}  // namespace tarvek
