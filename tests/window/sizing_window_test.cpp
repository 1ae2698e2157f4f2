// The sizing by the standard on the technical page, as a user meets it: the method chosen
// beside the calculator (whose controls stay as they are), the sizing's boxes and lists
// reaching the model and showing its state, a refusal warning and focusing its box, the
// curve following the method, the page widening the window, the keyboard, a dark desktop.
// The rules themselves are tested on the model.
#include <QApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>

#include "app/calculator/calculator_page.h"
#include "app/calculator/flow_curve_view.h"
#include "app/warning.h"
#include "assets/dark_palette.h"
#include "rules/calculator/flow_curve_text.h"
#include "rules/calculator/sizing_text.h"
#include "tests/support/gas_databases.h"
#include "tests/window/window_driver.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

class Sizing : public ::testing::Test {
  protected:
    Sizing() {
        previous_ = tarvek::replaceWarningFunction(
            [this](QWidget* parent, const QString& prompt, const QString& title) {
                EXPECT_EQ(parent, &d.window);
                warnings.push_back(title.toStdString() + ": " + prompt.toStdString());
            });
    }
    ~Sizing() override { tarvek::replaceWarningFunction(previous_); }

    const tarvek::CalculatorState& state() { return d.window.calculator().state(); }
    QLineEdit* box(const char* name) { return d.get<QLineEdit>(name); }
    // The case in the calculator: nitrogen at 70 °F, 100 to 80 psig, Cv 0.23.
    void nitrogen() {
        d.setText("txtInletPressure", "100");
        d.setText("txtOutletPressure", "80");
        d.setText("txtCv", "0.23");
        d.choose("lstGasName", "Nitrogen");
    }
    void showTechnicalPage() {
        ASSERT_TRUE(d.showActive());
        d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
    }

    WindowDriver d;
    std::vector<std::string> warnings;

  private:
    tarvek::WarningFunction previous_;
};

TEST_F(Sizing, TheStandardBesideTheCatalogueWhichStaysAsItIs) {
    EXPECT_TRUE(d.get<QRadioButton>("optMethodCatalogue")->isChecked());
    EXPECT_FALSE(d.get<QGroupBox>("fraSizing")->isEnabled());
    EXPECT_EQ(d.get("optMethodIec")->accessibleName(), "IEC 60534-2-1 method");
    nitrogen();
    EXPECT_EQ(d.text("lblMassFlow"), "298.8");
    const std::string otherUnits = d.text("lblOtherUnits");

    d.click("optMethodIec");
    EXPECT_EQ(state().method, tarvek::CalculationMethod::Iec);
    EXPECT_TRUE(d.get<QGroupBox>("fraSizing")->isEnabled());
    EXPECT_EQ(d.text("txtIecTemperature"), "70");
    EXPECT_EQ(d.text("txtIecInletPressure"), "100");
    EXPECT_EQ(d.text("txtIecOutletPressure"), "80");
    EXPECT_EQ(d.text("txtIecCv"), "0.23");
    EXPECT_EQ(d.text("txtIecFlow"), "276.2");  // hand-computed, 276.22 slm
    EXPECT_TRUE(box("txtIecFlow")->isReadOnly());
    EXPECT_TRUE(box("txtIecFlow")->font().bold());
    EXPECT_FALSE(box("txtIecCv")->isReadOnly());
    EXPECT_EQ(d.text("lblIecDetails"), "x 0.1744 · Fγ 1 · Y 0.8838\nTurbulent");
    EXPECT_EQ(
        d.text("lblIecEquivalents"),
        "585.3 scfh (14.7 psia, 60 °F)\n15.68 Nm³/h (0 °C, 1 atm)\n16.55 Sm³/h (15 °C, 1 atm)\n19.6 kg/h");
    EXPECT_FALSE(d.shown("lblIecChokedFlow"));
    // The catalogue's controls show what they showed.
    EXPECT_EQ(d.text("lblMassFlow"), "298.8");
    EXPECT_EQ(d.text("lblOtherUnits"), otherUnits);
    EXPECT_FALSE(d.shown("lblChokedFlow"));

    d.click("optMethodCatalogue");
    EXPECT_FALSE(d.get<QGroupBox>("fraSizing")->isEnabled());
    EXPECT_EQ(d.text("txtIecFlow"), "276.2");
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Sizing, TypingAndChoosingReachTheModelAndItsStateIsShown) {
    nitrogen();
    d.click("optMethodIec");
    d.type("txtIecOutletPressure", "\b\b20");  // choked: x 0.6975 taken as 0.5
    EXPECT_EQ(state().sizing.box(tarvek::SizingBox::OutletPressure), "20");
    EXPECT_EQ(d.text("txtIecFlow"), "352.8");
    EXPECT_TRUE(d.shown("lblIecChokedFlow"));
    EXPECT_EQ(d.text("lblIecDetails"), "x 0.6975 → 0.5 · Fγ 1 · Y 0.6667\nTurbulent");

    EXPECT_EQ(d.entries("lstSolveFor"), (std::vector<std::string>{"Flow", "Cv", "Outlet pressure"}));
    d.choose("lstSolveFor", "Cv");
    EXPECT_TRUE(box("txtIecCv")->isReadOnly());
    EXPECT_FALSE(box("txtIecFlow")->isReadOnly());
    EXPECT_EQ(d.text("txtIecCv"), "0.23");

    EXPECT_EQ(d.entries("lstPressureUnit"), (std::vector<std::string>{"psig", "bar(g)", "kPa(g)"}));
    d.choose("lstPressureUnit", "bar(g)");
    EXPECT_EQ(d.text("txtIecInletPressure"), "6.89476");
    EXPECT_EQ(d.text("lblIecOutletUnit"), "bar(g)");
    EXPECT_EQ(d.entries("lstTemperatureUnit"), (std::vector<std::string>{"°F", "°C"}));
    d.choose("lstTemperatureUnit", "°C");
    EXPECT_EQ(d.text("txtIecTemperature"), "21.1111");
    EXPECT_EQ(d.entries("lstFlowUnit"), (std::vector<std::string>{"slm", "scfh", "Nm³/h", "Sm³/h", "kg/h"}));
    d.choose("lstFlowUnit", "Nm³/h");
    EXPECT_EQ(d.text("txtIecFlow"), "20.033");  // 352.8 slm, hand-converted: 20.0330 Nm³/h
    EXPECT_EQ(d.list("lstFlowUnit")->itemData(2, Qt::ToolTipRole).toString(), "Nm³/h (0 °C, 1 atm)");
    EXPECT_EQ(d.text("txtIecCv"), "0.23");

    // Missing inputs are said, and the unknown's box is empty.
    d.setText("txtIecViscosity", "0.0176");
    EXPECT_EQ(d.text("lblIecDetails"), "Missing: inlet diameter, Fd, FL");
    EXPECT_EQ(d.text("txtIecCv"), "");
    EXPECT_EQ(d.text("lblIecEquivalents"), "");
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Sizing, ARefusalWarnsOverTheWindowResetsAndFocusesItsBox) {
    showTechnicalPage();
    nitrogen();
    d.click("optMethodIec");
    box("txtIecXt")->setFocus();
    d.type("txtIecXt", "\b\b\b1.5");  // "1" and "1." stand; "1.5" is refused
    EXPECT_EQ(warnings,
              (std::vector<std::string>{"Invalid xT Value: Number must be greater than or equal to 0 and "
                                        "less than or equal to 1"}));
    EXPECT_EQ(d.text("txtIecXt"), "0.5");
    EXPECT_EQ(QApplication::focusWidget(), box("txtIecXt"));
    EXPECT_EQ(d.text("txtIecFlow"), "276.2");
    d.setText("txtIecXt", "0");  // accepted by the box, no result by the equations
    EXPECT_EQ(d.text("lblIecDetails"), "No result: xT must be greater than 0 and at most 1");
    EXPECT_EQ(d.text("txtIecFlow"), "");
    EXPECT_EQ(warnings.size(), 1u);
}

TEST_F(Sizing, TheCurveFollowsTheMethodInItsUnits) {
    showTechnicalPage();
    nitrogen();
    auto* view = d.get<FlowCurveView>("flowCurve");
    EXPECT_FALSE(view->curve().sizing);
    EXPECT_EQ(tarvek::valueAxisTitle(view->curve()), "Flow (slm)");
    d.click("optMethodIec");
    ASSERT_TRUE(view->curve().drawn()) << tarvek::gapText(view->curve());
    EXPECT_TRUE(view->curve().sizing);
    EXPECT_NEAR(view->curve().operatingPoint.value, 276.22, 0.01);
    EXPECT_EQ(tarvek::valueAxisTitle(view->curve()), "Flow (slm at 14.7 psia, 60 °F)");
    d.choose("lstPressureUnit", "kPa(g)");
    EXPECT_EQ(tarvek::pressureAxisTitle(view->curve()), "Outlet pressure (kPa(g))");
    EXPECT_NEAR(view->curve().inlet, 689.476, 0.001);
    const std::vector<tarvek::CurveLabel>& labels = view->layout().labels;
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const tarvek::CurveLabel& label) {
        return label.text == QStringLiteral("Outlet pressure (kPa(g))");
    }));
    EXPECT_GE(view->layout().plot.height(), 120);
    EXPECT_EQ(view->accessibleDescription().toStdString(), tarvek::curveSummary(view->curve()));
    d.click("optMethodCatalogue");
    EXPECT_FALSE(view->curve().sizing);
    EXPECT_EQ(d.text("lblMassFlow"), "298.8");
}

// Whatever the sizing's boxes accept, the curve is finite, stays in its frame and paints.
TEST_F(Sizing, TheCurveStaysInsideItsFrameWhateverIsTyped) {
    showTechnicalPage();
    nitrogen();
    d.click("optMethodIec");
    auto* view = d.get<FlowCurveView>("flowCurve");
    for (const auto& [name, text] :
         std::vector<std::pair<const char*, const char*>>{{"txtIecInletPressure", "1e30"},
                                                          {"txtIecInletPressure", "1e300"},
                                                          {"txtIecInletPressure", "-14.69"},
                                                          {"txtIecOutletPressure", "-14.695"},
                                                          {"txtIecCv", "1e-30"},
                                                          {"txtIecCv", "1e300"},
                                                          {"txtIecTemperature", "-459.6"},
                                                          {"txtIecXt", "1"},
                                                          {"txtIecZ", "1e-300"},
                                                          {"txtIecInletPressure", "0.0001"},
                                                          {"txtIecOutletPressure", "0"},
                                                          {"txtIecCv", "0"}}) {
        d.setText(name, QString::fromLatin1(text));
        const QRectF frame = view->contentsRect();
        const tarvek::CurveLayout& layout = view->layout();
        for (const tarvek::CurveLabel& label : layout.labels) {
            EXPECT_TRUE(frame.contains(label.rect))
                << name << " " << text << ": " << label.text.toStdString();
            for (const tarvek::CurveLabel& other : layout.labels)
                EXPECT_TRUE(&label == &other || !label.rect.intersects(other.rect))
                    << name << " " << text << ": " << label.text.toStdString() << " on "
                    << other.text.toStdString();
        }
        for (const QPolygonF& line : layout.lines)
            for (const QPointF& point : line)
                EXPECT_TRUE(std::isfinite(point.x()) && std::isfinite(point.y())) << name << " " << text;
        if (view->curve().drawn()) {
            // Both axes are labelled at the ends of any range.
            EXPECT_GE(
                std::count_if(layout.labels.begin(), layout.labels.end(),
                              [](const auto& l) { return l.role == tarvek::CurveLabel::Role::PressureTick; }),
                2)
                << name << " " << text;
        }
        EXPECT_FALSE(view->grab().isNull());
    }
    EXPECT_TRUE(warnings.empty());
}

// Every page keeps the size it was drawn at; the technical page widens the form while shown,
// and the window with it as far as the screen allows (the form scrolls beyond).
TEST_F(Sizing, TheTechnicalPageWidensTheForm) {
    auto* tabs = d.get<QTabWidget>("SSTab1");
    QWidget* form = tabs->parentWidget();
    const QSize drawn = form->size(), window = d.window.size();
    tabs->setCurrentIndex(2);
    EXPECT_EQ(form->height(), drawn.height());
    EXPECT_GT(form->width(), drawn.width() + 300);
    EXPECT_EQ(tabs->width(), form->width() - 16);
    const QRect column = d.get("fraSizing")->geometry().united(d.get("flowCurve")->geometry());
    EXPECT_TRUE(d.get("tabTechnical")->rect().contains(column));
    EXPECT_GE(d.window.width(), window.width());
    tabs->setCurrentIndex(1);
    EXPECT_EQ(form->size(), drawn);
    EXPECT_EQ(d.window.size(), window);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(form->size(), drawn);
    EXPECT_EQ(d.window.size(), window);
}

TEST_F(Sizing, TheKeyboardReachesEveryInputAndAltIChoosesTheStandard) {
    showTechnicalPage();
    nitrogen();
    // A mnemonic clicks its button as a click looks: a moment later.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return state().method == tarvek::CalculationMethod::Iec; }, 2000));
    d.get("lstSolveFor")->setFocus();
    std::vector<std::string> visited = {QApplication::focusWidget()->objectName().toStdString()};
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{
                           "lstSolveFor", "txtIecTemperature", "lstTemperatureUnit", "txtIecInletPressure",
                           "lstPressureUnit", "txtIecOutletPressure", "txtIecCv", "lstFlowUnit", "txtIecXt",
                           "txtIecZ", "txtIecFl", "txtIecFd", "txtIecViscosity", "txtIecDiameter"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return state().method == tarvek::CalculationMethod::Catalogue; }, 2000));
}

// On a dark desktop the curve is painted on the palette's base, and "Choked Flow!" of the
// sizing in the dark variant the catalogue's own takes.
TEST_F(Sizing, OnADarkDesktop) {
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(tarvek::darkDesktopPalette());
    {
        WindowDriver dark;
        dark.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dark.window));
        dark.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
        dark.setText("txtInletPressure", "100");
        dark.setText("txtOutletPressure", "0");
        dark.choose("lstGasName", "Nitrogen");
        dark.click("optMethodIec");
        auto* view = dark.get<FlowCurveView>("flowCurve");
        const QImage image = view->grab().toImage();
        const QPointF inside = view->layout().plot.topRight() + QPointF(-3, 3);
        const qreal scale = image.devicePixelRatio();
        EXPECT_LT(qGray(image.pixel(int(inside.x() * scale), int(inside.y() * scale))), 90);
        ASSERT_TRUE(dark.shown("lblIecChokedFlow"));
        EXPECT_EQ(dark.get("lblIecChokedFlow")->palette().color(QPalette::Active, QPalette::WindowText),
                  dark.get("lblChokedFlow")->palette().color(QPalette::Active, QPalette::WindowText));
        EXPECT_GT(
            dark.get("lblIecChokedFlow")->palette().color(QPalette::Active, QPalette::WindowText).lightness(),
            150);
    }
    QApplication::setPalette(desktop);
}

}  // namespace
