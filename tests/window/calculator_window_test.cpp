// The calculator page's wiring: the shipped Gases.mdb fills the gas list, what is typed reaches
// the model and the model's state is shown, the modes swap the controls shown, and a refusal
// warns over the window and focuses its box. The rules themselves are tested on the model.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>

#include "app/calculator/calculator_page.h"
#include "app/calculator/sizing_controls.h"
#include "app/warning.h"
#include "platform/data_folder.h"
#include "rules/calculator/calculator_page_texts.h"
#include "tests/support/gas_databases.h"
#include "tests/window/window_driver.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

struct Warning {
    std::string prompt, title;
    friend bool operator==(const Warning&, const Warning&) = default;
};
std::ostream& operator<<(std::ostream& out, const Warning& w) { return out << w.title << ": " << w.prompt; }

const Warning kPressureWarning{"Number must be greater than or equal to -14.7", "Invalid Pressure Value"};
const Warning kFlowWarning{"Number must be greater than or equal to 0", "Invalid Flow Value"};

class Calculator : public ::testing::Test {
  protected:
    Calculator() {
        previous_ = tarvek::replaceWarningFunction(
            [this](QWidget* parent, const QString& prompt, const QString& title) {
                EXPECT_EQ(parent, &d.window);
                warnings.push_back({prompt.toStdString(), title.toStdString()});
            });
    }
    ~Calculator() override { tarvek::replaceWarningFunction(previous_); }

    // On the technical page of a shown, active window, so that the focus can be checked.
    void showCalculator() {
        d.window.show();
        d.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d.window));
        d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
        d.get<QLineEdit>("txtTemperature")->setFocus();
    }
    QWidget* focused() { return QApplication::focusWidget(); }

    // The worked example: air from 100 psig to atmosphere through Cv 1.0.
    void workedExample() {
        d.setText("txtInletPressure", "100");
        d.setText("txtOutletPressure", "0");
        d.choose("lstGasName", "Air");
    }

    // Whether the calculation ran on the last change: it leaves a result or clears it,
    // either way the mark written into the result label is gone.
    void markResult() { d.get<QLabel>(resultLabel())->setText("mark"); }
    bool recalculated() { return d.text(resultLabel()) != "mark"; }
    const char* resultLabel() {
        return d.get<QRadioButton>("optMassFlow")->isChecked() ? "lblMassFlow" : "lblCv";
    }

    WindowDriver d;
    std::vector<Warning> warnings;

  private:
    tarvek::WarningFunction previous_;
};

TEST_F(Calculator, StartsWithTheShippedGasesAndNothingChosen) {
    const auto gases = d.entries("lstGasName");
    ASSERT_EQ(gases.size(), 25u);
    EXPECT_EQ(std::vector<std::string>(gases.begin(), gases.begin() + 4),
              (std::vector<std::string>{"Air", "Nitrogen", "Oxygen", "Argon"}));
    EXPECT_EQ(d.list("lstGasName")->currentIndex(), -1);
    EXPECT_TRUE(d.list("lstGasName")->isEnabled());
    EXPECT_EQ(d.text("lblSpecificGravity"), "");
    EXPECT_EQ(d.text("txtXtFactor"), "0.47");
    EXPECT_EQ(d.text("lblMassFlow"), "");
    EXPECT_EQ(d.text("txtMassFlow"), "");
    EXPECT_FALSE(d.shown("lblChokedFlow"));
    EXPECT_EQ(d.window.calculator().databasePath(), tarvek::dataFolder() + QDir::separator() + "Gases.mdb");
}

TEST_F(Calculator, ChoosingAGasShowsItsValuesAndXt) {
    struct Case {
        const char* gas;
        const char* specificGravity;
        const char* k;
        const char* xt;
    };
    for (const Case c :
         {Case{"Air", "1", "1.4", "0.472"}, Case{"Argon", "1.38", "1.667", "0.513"},
          Case{"Hydrogen", "0.0696", "1.41", "0.474"}, Case{"Butane", "2.007", "1.1", "0.416"}}) {
        d.choose("lstGasName", c.gas);
        EXPECT_EQ(d.text("lblSpecificGravity"), c.specificGravity) << c.gas;
        EXPECT_EQ(d.text("lblSpecificHeat"), c.k) << c.gas;
        EXPECT_EQ(d.text("txtXtFactor"), c.xt) << c.gas;
    }
    EXPECT_EQ(d.text("lblMassFlow"), "");  // no pressures yet, no result
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Calculator, WorkedExampleAndBackInCvMode) {
    workedExample();
    EXPECT_EQ(d.text("txtMassFlow"), "1922.9");
    EXPECT_EQ(d.text("lblMassFlow"), "1922.9");
    EXPECT_TRUE(d.shown("lblChokedFlow"));

    d.click("optCv");
    EXPECT_EQ(d.text("txtCv"), "0.999");
    EXPECT_EQ(d.text("lblCv"), "0.999");
    EXPECT_TRUE(d.shown("lblChokedFlow"));
    EXPECT_TRUE(d.shown("txtMassFlow"));
    EXPECT_TRUE(d.shown("lblCv"));
    EXPECT_FALSE(d.shown("txtCv"));
    EXPECT_FALSE(d.shown("lblMassFlow"));

    d.click("optMassFlow");  // Cv 0.999 now gives the flow
    EXPECT_EQ(d.text("lblMassFlow"), "1921");
    EXPECT_TRUE(d.shown("txtCv"));
    EXPECT_TRUE(d.shown("lblMassFlow"));
    EXPECT_FALSE(d.shown("txtMassFlow"));
    EXPECT_FALSE(d.shown("lblCv"));
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Calculator, TypingMinus14Point7KeyByKey) {
    showCalculator();
    workedExample();
    d.setText("txtInletPressure", "");
    struct Step {
        QChar key;
        const char* text;
        bool calculates;
    };
    for (const Step s : {Step{'-', "-", false}, Step{'1', "-1", true}, Step{'4', "-14", true},
                         Step{'.', "-14.", true}, Step{'7', "-14.7", true}}) {
        markResult();
        d.type("txtInletPressure", QString(s.key));
        EXPECT_EQ(d.text("txtInletPressure"), s.text);
        EXPECT_EQ(recalculated(), s.calculates) << s.text;
    }
    // -14.7 psig is no pressure: no flow, no indicator, and no division by zero.
    EXPECT_EQ(d.text("lblMassFlow"), "");
    EXPECT_EQ(d.text("txtMassFlow"), "");
    EXPECT_FALSE(d.shown("lblChokedFlow"));
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(focused(), d.get("txtTemperature"));
}

TEST_F(Calculator, TypingMinus15IsRefusedAndTheBoxEmptiedAndFocused) {
    showCalculator();
    d.type("txtInletPressure", "-1");
    EXPECT_TRUE(warnings.empty());
    d.type("txtInletPressure", "5");
    EXPECT_EQ(warnings, std::vector<Warning>{kPressureWarning});
    EXPECT_EQ(d.text("txtInletPressure"), "");
    EXPECT_EQ(focused(), d.get("txtInletPressure"));

    d.get<QLineEdit>("txtTemperature")->setFocus();
    d.type("txtOutletPressure", "-15");
    EXPECT_EQ(warnings, (std::vector<Warning>{kPressureWarning, kPressureWarning}));
    EXPECT_EQ(d.text("txtOutletPressure"), "");
    EXPECT_EQ(focused(), d.get("txtOutletPressure"));
}

TEST_F(Calculator, HiddenResultBoxRefusesWithoutTakingTheFocus) {
    showCalculator();
    d.setText("txtMassFlow", "-1");  // hidden in mass-flow mode
    EXPECT_EQ(warnings, std::vector<Warning>{kFlowWarning});
    EXPECT_EQ(d.text("txtMassFlow"), "");
    EXPECT_EQ(focused(), d.get("txtTemperature"));
}

// Each box's text reaches the model, and what the model writes into a box is shown in it.
TEST_F(Calculator, EveryBoxReachesTheModelAndShowsItsText) {
    const tarvek::CalculatorPage& page = d.window.calculator();
    for (const tarvek::BoxControlName& box : tarvek::kBoxControlNames) {
        d.setText(box.name, "0.5");
        EXPECT_EQ(page.state().box(box.box), "0.5") << box.name;
    }
    workedExample();
    for (const tarvek::BoxControlName& box : tarvek::kBoxControlNames)
        EXPECT_EQ(d.text(box.name), page.state().box(box.box)) << box.name;
    EXPECT_EQ(d.text("txtXtFactor"), "0.472");
    EXPECT_TRUE(warnings.empty());
}

// A user's action is one event of the model: the page's own writes into the boxes and the
// option buttons start none.
TEST_F(Calculator, EachUserActionIsOneEvent) {
    workedExample();
    QSignalSpy events(&d.window.calculator(), &tarvek::CalculatorPage::stateShown);
    d.type("txtCv", "5");
    EXPECT_EQ(events.count(), 1);
    EXPECT_EQ(d.text("txtMassFlow"), d.text("lblMassFlow"));
    d.choose("lstGasName", "Nitrogen");
    EXPECT_EQ(events.count(), 2);
    d.click("optCv");
    EXPECT_EQ(events.count(), 3);
    EXPECT_EQ(d.text("txtCv"), d.text("lblCv"));
    d.setText("txtMassFlow", "-1");  // refused, and put back to empty
    EXPECT_EQ(events.count(), 4);
    EXPECT_EQ(warnings, std::vector<Warning>{kFlowWarning});
}

}  // namespace

// The technical page's texts are the rules' (which the web edition shows too): every caption
// of the form says what the one table of them says.
TEST(TechnicalPageTexts, TheFormSaysWhatTheRulesSay) {
    namespace t = tarvek::technical_page;
    WindowDriver d;
    const auto title = [&](const char* name) { return d.get<QGroupBox>(name)->title().toStdString(); };
    const auto caption = [&](const char* name) {
        QWidget* widget = d.get(name);
        if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
        return qobject_cast<QAbstractButton*>(widget)->text().remove(QLatin1Char('&')).toStdString();
    };
    EXPECT_EQ(title("Frame3"), t::kCalculatorFrame);
    EXPECT_EQ(title("Frame2"), t::kGasFrame);
    EXPECT_EQ(title("Frame1"), t::kCalculateFrame);
    EXPECT_EQ(title("fraMethod"), t::kMethodFrame);
    EXPECT_EQ(title("fraSizing"), t::kSizingFrame);
    EXPECT_EQ(d.get("lstGasName")->accessibleName().toStdString(), t::kGas);
    const std::pair<const char*, std::string_view> captions[] = {
        {"Label14", t::kSpecificGravity},
        {"Label16", t::kTemperature},
        {"Label17", t::kInletPressure},
        {"Label15", t::kOutletPressure},
        {"lblChokedFlow", t::kChokedFlow},
        {"optMassFlow", t::kMassFlow},
        {"optCv", t::kCv},
        {"optMethodCatalogue", t::kCatalogueMethod},
        {"optMethodIec", t::kIecMethod},
        {"lblSolveFor", t::kSolveFor},
        {"lblIecChokedFlow", t::kChokedFlow},
        {"cmdValvesForFlow", t::kValvesForFlow},
    };
    for (const auto& [name, text] : captions) EXPECT_EQ(caption(name), text) << name;
    const char* const sizingCaptions[] = {"lblIecTemperature",
                                          "lblIecInletPressure",
                                          "lblIecOutletPressure",
                                          "lblIecCv",
                                          "lblIecFlow",
                                          "lblIecXt",
                                          "lblIecZ",
                                          "lblIecViscosity",
                                          "lblIecDiameter",
                                          "lblIecFd",
                                          "lblIecFl"};
    for (std::size_t i = 0; i < std::size(sizingCaptions); ++i) {
        EXPECT_EQ(caption(sizingCaptions[i]), t::kSizingCaptions[i]) << sizingCaptions[i];
        EXPECT_EQ(d.get(tarvek::kSizingBoxControlNames[i].name)->accessibleName().toStdString(),
                  t::kSizingNames[i])
            << sizingCaptions[i];
    }
}
