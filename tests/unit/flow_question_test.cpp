// One flow question as the command line asks it, answered as a CSV row by either method:
// the catalogue's worked example, the nitrogen case by the standard (hand-computed:
// 276.221 slm, x 0.174374, Y 0.883751), and the refusals and reasons of bad input.
#include "rules/calculator/flow_question.h"

#include <gtest/gtest.h>

namespace {

using tarvek::CalculationMethod;
using tarvek::FlowQuestion;

FlowQuestion air(CalculationMethod method) {
    FlowQuestion q;
    q.method = method;
    q.gas = "Air";
    q.specificGravity = "1";
    q.specificHeat = "1.4";
    q.temperature = "70";
    q.inletPressure = "100";
    q.outletPressure = "0";
    q.cv = "1.0";
    return q;
}

TEST(FlowQuestion, AnsweredAsOneRowByEitherMethod) {
    EXPECT_EQ(tarvek::flowCsvHeader(),
              "method,gas,sg,k,temperature_f,inlet_psig,outlet_psig,xt,cv,flow_slm,flow_kg_h,x,fgamma,y,"
              "choked\r\n");
    struct Case {
        const char* name;
        FlowQuestion question;
        const char* row;
    };
    FlowQuestion cvMode = air(CalculationMethod::Catalogue);
    cvMode.cv.reset();
    cvMode.flow = "1922.9";
    FlowQuestion valveXt = air(CalculationMethod::Catalogue);
    valveXt.xt = "0.3";
    valveXt.outletPressure = "60";
    FlowQuestion nitrogen = air(CalculationMethod::Iec);
    nitrogen.gas = "Nitrogen, dry";
    nitrogen.specificGravity = "0.967";
    nitrogen.outletPressure = "80";
    nitrogen.cv = "0.23";
    FlowQuestion needed = nitrogen;
    needed.cv.reset();
    needed.flow = "276.221";
    needed.xt = "0.6";
    needed.z = "0.99";
    for (const Case& c : {
             Case{"the catalogue's worked example", air(CalculationMethod::Catalogue),
                  "catalogue,Air,1,1.4,70,100,0,0.472,1.0,1922.9,141.1,0.87184,,,yes\r\n"},
             Case{"and back in Cv mode", cvMode,
                  "catalogue,Air,1,1.4,70,100,0,0.472,0.999,1922.9,141.1,0.87184,,,yes\r\n"},
             // x = 40 / 114.7 = 0.348736 is past an Xt of 0.3: choked, D = 114.7² (1 - 0.7²) = 6709.6,
             // W = 454.47 x 81.912 x √(1 / 530) = 1617.0 slm, 118.65 kg/h.
             Case{"a valve's own Xt", valveXt,
                  "catalogue,Air,1,1.4,70,100,60,0.3,1.0,1617,118.7,0.348736,,,yes\r\n"},
             Case{"the standard, nitrogen", nitrogen,
                  "iec,\"Nitrogen, "
                  "dry\",0.967,1.4,70,100,80,0.5,0.23,276.221,19.5965,0.174374,1,0.883751,no\r\n"},
             // x 0.174374 < 0.6: Y = 1 - x / 1.8 = 0.903126; Cv = 0.23 x 0.883751 / 0.903126 x √0.99
             // x 276.221 / 276.2207 = 0.223938
             Case{"the standard, the Cv needed", needed,
                  "iec,\"Nitrogen, "
                  "dry\",0.967,1.4,70,100,80,0.6,0.223938,276.221,19.5966,0.174374,1,0.903126,no\r\n"},
         }) {
        const tarvek::FlowAnswer answer = tarvek::answerFlow(c.question);
        EXPECT_EQ(answer.row, c.row) << c.name;
        EXPECT_EQ(answer.noResult, "") << c.name;
    }
}

TEST(FlowQuestion, NoAnswerWithTheReason) {
    struct Case {
        const char* name;
        FlowQuestion question;
        const char* reason;
    };
    const auto with = [](CalculationMethod method, auto change) {
        FlowQuestion q = air(method);
        change(q);
        return q;
    };
    for (const Case& c : {
             Case{"catalogue, absolute zero",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.temperature = "-460"; }),
                  "Invalid Temperature Value: Number must be greater than -460"},
             Case{"catalogue, below vacuum",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.outletPressure = "-15"; }),
                  "Invalid Pressure Value: Number must be greater than or equal to -14.7"},
             Case{"catalogue, Xt above 1",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.xt = "1.5"; }),
                  "Invalid Xt Factor Value: Number must be greater than 0 and less than or equal to 1"},
             // Typed on the command line, an Xt is what the message says, for either method:
             // the window's hidden box would take 0 as 0.001.
             Case{"catalogue, Xt of 0",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.xt = "0"; }),
                  "Invalid Xt Factor Value: Number must be greater than 0 and less than or equal to 1"},
             Case{"catalogue, Xt below 0",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.xt = "-0.2e-3"; }),
                  "Invalid Xt Factor Value: Number must be greater than 0 and less than or equal to 1"},
             Case{"standard, xT of 0", with(CalculationMethod::Iec, [](FlowQuestion& q) { q.xt = "0"; }),
                  "No result: xT must be greater than 0 and at most 1"},
             Case{"catalogue, no drop",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.outletPressure = "100"; }),
                  "No flow: the outlet pressure is not below the inlet pressure"},
             Case{"catalogue, 1e308",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.inletPressure = "1e308"; }),
                  "No result: the numbers are too large to calculate"},
             Case{"catalogue, no gas",
                  with(CalculationMethod::Catalogue, [](FlowQuestion& q) { q.specificGravity = "0"; }),
                  "Missing: gas"},
             Case{"standard, xT above 1", with(CalculationMethod::Iec, [](FlowQuestion& q) { q.xt = "1.5"; }),
                  "Invalid xT Value: Number must be greater than or equal to 0 and less than or equal to 1"},
             Case{"standard, Z of 0", with(CalculationMethod::Iec, [](FlowQuestion& q) { q.z = "0"; }),
                  "No result: the compressibility factor Z must be greater than 0"},
             Case{"standard, vacuum outlet",
                  with(CalculationMethod::Iec, [](FlowQuestion& q) { q.outletPressure = "-14.696"; }),
                  "No result: the outlet pressure is vacuum, so x = Δp / p1 would be 1 or more"},
             Case{"standard, 1e308", with(CalculationMethod::Iec, [](FlowQuestion& q) { q.cv = "1e308"; }),
                  "No result: the numbers are too large to calculate"},
             Case{"standard, negative Cv", with(CalculationMethod::Iec, [](FlowQuestion& q) { q.cv = "-1"; }),
                  "Invalid Cv Value: Number must be greater than or equal to 0"},
             Case{"both Cv and flow", with(CalculationMethod::Iec, [](FlowQuestion& q) { q.flow = "1"; }),
                  "give either a Cv or a flow"},
         }) {
        const tarvek::FlowAnswer answer = tarvek::answerFlow(c.question);
        EXPECT_EQ(answer.row, "") << c.name;
        EXPECT_EQ(answer.noResult, c.reason) << c.name;
    }
}

}  // namespace
