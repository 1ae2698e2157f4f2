#include "rules/calculator/flow_units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using tarvek::FlowMode;

// Hand-computed: 1 scfh is 28.316846592 L per 60 min; 1 m3 is 1000 L; air weighs
// 1.22297 kg/m3 at 14.7 psia and 60 F.
TEST(FlowUnits, ConversionsFromTheSlm) {
    struct Case {
        double slm, sg, scfh, cubicMetres, kilograms;
    };
    for (const Case c : {Case{1000, 1, 2118.880, 60, 73.3782}, Case{1000, 0.967, 2118.880, 60, 70.9567},
                         Case{1922.9, 1, 4074.394, 115.374, 141.0989}, Case{0, 1.38, 0, 0, 0}}) {
        EXPECT_NEAR(tarvek::scfhFromSlm(c.slm), c.scfh, 1e-3) << c.slm;
        EXPECT_NEAR(tarvek::cubicMetresPerHourFromSlm(c.slm), c.cubicMetres, 1e-9) << c.slm;
        EXPECT_NEAR(tarvek::kilogramsPerHourFromSlm(c.slm, c.sg), c.kilograms, 1e-4)
            << c.slm << " SG " << c.sg;
    }
    EXPECT_DOUBLE_EQ(tarvek::kvFromCv(1.0), 0.865);
    EXPECT_DOUBLE_EQ(tarvek::kvFromCv(0.999), 0.864135);
}

TEST(FlowUnits, ValueTexts) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case c :
         {Case{4074.394, "4074"}, Case{115.374, "115.4"}, Case{141.0989, "141.1"}, Case{124.0, "124"},
          Case{0.864135, "0.8641"}, Case{0, "0"}, Case{9999.6, "10000"}, Case{0.00012346, "0.0001235"},
          Case{40744558.06, "4.074E+07"}, Case{1e30, "1E+30"}, Case{INFINITY, ""}, Case{NAN, ""}}) {
        EXPECT_EQ(tarvek::unitValueText(c.value), c.text) << c.value;
    }
}

TEST(FlowUnits, TheLineUnderTheResult) {
    struct Case {
        FlowMode mode;
        const char* result;
        const char* sg;
        const char* line;
    };
    for (const Case c : {
             Case{FlowMode::MassFlow, "1922.9", "1", "4074 scfh · 115.4 m³/h · 141.1 kg/h"},
             Case{FlowMode::MassFlow, "1747.3", "0.967", "3702 scfh · 104.8 m³/h · 124 kg/h"},
             Case{FlowMode::MassFlow, "1.922929E+07", "1", "4.074E+07 scfh · 1153757 m³/h · 1411011 kg/h"},
             Case{FlowMode::MassFlow, "0", "1", "0 scfh · 0 m³/h · 0 kg/h"},
             Case{FlowMode::MassFlow, "1922.9", "", "4074 scfh · 115.4 m³/h"},  // no gas: no mass
             Case{FlowMode::MassFlow, "", "1", ""},                             // no result
             Case{FlowMode::Cv, "0.999", "1", "Kv 0.8641"},
             Case{FlowMode::Cv, "1", "", "Kv 0.865"},
             Case{FlowMode::Cv, "", "1", ""},
             Case{FlowMode::None, "1922.9", "1", ""},
         }) {
        EXPECT_EQ(tarvek::otherUnitsText(c.mode, c.result, c.sg), c.line) << c.result;
    }
    EXPECT_NE(tarvek::otherUnitsExplanation(FlowMode::MassFlow).find("14.7 psia and 60 °F"),
              std::string::npos);
    EXPECT_NE(tarvek::otherUnitsExplanation(FlowMode::Cv).find("0.865"), std::string::npos);
}

}  // namespace
