// What a flow asks of a valve, from the calculator's worked example: SG 1, 70 F, 100 psig
// in, 0 psig out, Xt 0.472; Cv 1.0 passes 1922.9 slm, and 1922.9 slm needs Cv 0.99998.
#include "rules/calculator/valve_requirement.h"

#include <gtest/gtest.h>

#include "rules/search/search_query.h"

namespace {

using namespace tarvek;

FlowFields workedExample(FlowMode mode) { return {mode, "70", "100", "0", "1", "0.472", "1.0", "1922.9"}; }

TEST(ValveRequirement, TheCvAFlowNeedsAndTheInletPressure) {
    for (const FlowMode mode : {FlowMode::Cv, FlowMode::MassFlow}) {
        const std::optional<ValveRequirement> r = valveRequirement(workedExample(mode));
        ASSERT_TRUE(r.has_value());
        EXPECT_NEAR(r->cv, 0.99998, 0.00001);
        EXPECT_EQ(r->inletPsig, 100);
        // The search asks for a Cv of 1.0 or more: the valves rated "1.0 Cv" pass the flow.
        EXPECT_EQ(search::cvThreshold(r->cv), 1000);
        EXPECT_EQ(search::pressureThreshold(r->inletPsig), 100);
    }
}

TEST(ValveRequirement, NoneWithoutAFlowToPass) {
    const auto with = [](auto change) {
        FlowFields f = workedExample(FlowMode::Cv);
        change(f);
        return valveRequirement(f);
    };
    EXPECT_FALSE(with([](FlowFields& f) { f.massFlow = ""; }));           // no flow yet
    EXPECT_FALSE(with([](FlowFields& f) { f.massFlow = "0"; }));          // nothing to pass
    EXPECT_FALSE(with([](FlowFields& f) { f.specificGravity = ""; }));    // no gas chosen
    EXPECT_FALSE(with([](FlowFields& f) { f.outletPressure = "100"; }));  // no pressure drop
    EXPECT_FALSE(with([](FlowFields& f) { f.inletPressure = "-14.7"; }));
    EXPECT_FALSE(with([](FlowFields& f) { f.massFlow = "1e300"; }));  // beyond single precision
    EXPECT_FALSE(with([](FlowFields& f) {
        f.mode = FlowMode::None;
        f.temperature = "";
    }));
}

}  // namespace
