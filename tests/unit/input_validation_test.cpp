#include "rules/calculator/input_validation.h"

#include <gtest/gtest.h>

namespace {

using tarvek::CalculatorBox;
using tarvek::EntryCheck;

TEST(NumericTest, Examples) {
    struct Case {
        const char* text;
        bool numeric;
    };
    for (const Case c :
         {Case{"12", true}, Case{"-3.5", true}, Case{".5", true}, Case{"5.", true}, Case{"1e3", true},
          Case{"-", false}, Case{"1.2.3", false}, Case{"abc", false}, Case{"12 psi", false},
          // and around them
          Case{"  12 ", true}, Case{"+5", true}, Case{"1E-3", true}, Case{"2.5e+10", true}, Case{"", false},
          Case{" ", false}, Case{".", false}, Case{"-.", false}, Case{"1e", false}, Case{"e3", false},
          Case{"1e3.5", false}, Case{"1 2", false}, Case{"12abc", false}, Case{"--1", false},
          Case{"1-", false}, Case{"0x10", false}, Case{"1,5", false}}) {
        EXPECT_EQ(tarvek::isNumeric(c.text), c.numeric) << '"' << c.text << '"';
    }
}

TEST(InputValidation, EachBoxItsPartialEntriesAndBound) {
    struct Case {
        CalculatorBox box;
        const char* text;
        EntryCheck check;
    };
    const Case cases[] = {
        {CalculatorBox::Temperature, "", EntryCheck::Partial},
        {CalculatorBox::Temperature, "-", EntryCheck::Partial},
        {CalculatorBox::Temperature, ".", EntryCheck::Partial},
        {CalculatorBox::Temperature, "-.", EntryCheck::Partial},
        {CalculatorBox::Temperature, "-460", EntryCheck::Refused},
        {CalculatorBox::Temperature, "-459.9", EntryCheck::Accepted},
        {CalculatorBox::Temperature, "70", EntryCheck::Accepted},
        {CalculatorBox::Temperature, "12abc", EntryCheck::Refused},
        {CalculatorBox::InletPressure, "-", EntryCheck::Partial},
        {CalculatorBox::InletPressure, "-1", EntryCheck::Accepted},
        {CalculatorBox::InletPressure, "-14.", EntryCheck::Accepted},
        {CalculatorBox::InletPressure, "-14.7", EntryCheck::Accepted},
        {CalculatorBox::InletPressure, "-14.70001", EntryCheck::Refused},
        {CalculatorBox::InletPressure, "-15", EntryCheck::Refused},
        {CalculatorBox::OutletPressure, "-14.7", EntryCheck::Accepted},
        {CalculatorBox::OutletPressure, "-15", EntryCheck::Refused},
        {CalculatorBox::Cv, "-", EntryCheck::Refused},  // not a partial entry of an unsigned box
        {CalculatorBox::Cv, "-.", EntryCheck::Refused},
        {CalculatorBox::Cv, ".", EntryCheck::Partial},
        {CalculatorBox::Cv, "", EntryCheck::Partial},
        {CalculatorBox::Cv, "0", EntryCheck::Accepted},
        {CalculatorBox::Cv, "-0.001", EntryCheck::Refused},
        {CalculatorBox::MassFlow, "-", EntryCheck::Refused},
        {CalculatorBox::MassFlow, "1.92293E+07", EntryCheck::Accepted},  // a written result
        {CalculatorBox::XtFactor, "1.5", EntryCheck::Refused},
        {CalculatorBox::XtFactor, "1", EntryCheck::Accepted},
        {CalculatorBox::XtFactor, "0", EntryCheck::Accepted},
        {CalculatorBox::XtFactor, "-3", EntryCheck::Accepted},  // no lower bound
        {CalculatorBox::XtFactor, "0.47", EntryCheck::Accepted},
        {CalculatorBox::XtFactor, "-", EntryCheck::Refused},
    };
    for (const Case& c : cases) {
        const tarvek::BoxRule& rule = tarvek::boxRule(c.box);
        EXPECT_EQ(tarvek::checkEntry(rule, c.text), c.check) << rule.title << " \"" << c.text << '"';
    }
}

// A refusal resets the box to a text the same box lets stand or accepts, so the reset
// never warns again.
TEST(InputValidation, ResetTextsPassTheirOwnBox) {
    for (const tarvek::BoxRule& rule : tarvek::kBoxRules)
        EXPECT_NE(tarvek::checkEntry(rule, rule.resetText), EntryCheck::Refused) << rule.title;
}

}  // namespace
