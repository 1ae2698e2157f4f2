// The flow curve and the result in other units as a user meets them: following every
// keystroke, mode switch and gas choice, empty while the calculator has no result, inside
// its frame whatever is typed, and drawn on whole pixels at the screen's scale (this
// program runs once more at 200 %).
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolTip>

#include "app/calculator/flow_curve_view.h"
#include "app/warning.h"
#include "rules/calculator/flow_curve_text.h"
#include "rules/calculator/flow_units.h"
#include "rules/numbers/number_text.h"
#include "tests/support/gas_databases.h"
#include "tests/window/window_driver.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

class FlowCurveWindow : public ::testing::Test {
  protected:
    FlowCurveWindow() {
        previous_ = tarvek::replaceWarningFunction([this](QWidget*, const QString&, const QString& title) {
            warnings.push_back(title.toStdString());
        });
    }
    ~FlowCurveWindow() override { tarvek::replaceWarningFunction(previous_); }

    FlowCurveView* view() { return d.get<FlowCurveView>("flowCurve"); }
    const tarvek::FlowCurve& curve() { return view()->curve(); }
    std::string gap() { return tarvek::gapText(curve()); }
    // The operating point as the calculator writes its result.
    std::string operatingText() {
        const float value = float(curve().operatingPoint.value);
        return curve().mode == tarvek::FlowMode::Cv ? tarvek::cvText(value) : tarvek::massFlowText(value);
    }

    // Straight to the curve: a virtual screen's pointer need not reach a window larger than it.
    void movePointer(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(view()->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view(), &move);
    }

    void workedExample() {
        d.setText("txtInletPressure", "100");
        d.setText("txtOutletPressure", "0");
        d.choose("lstGasName", "Air");
    }

    WindowDriver d;
    std::vector<std::string> warnings;

  private:
    tarvek::WarningFunction previous_;
};

TEST_F(FlowCurveWindow, FollowsTypingKeyByKey) {
    EXPECT_EQ(gap(), "Missing: gas, inlet pressure, outlet pressure");
    EXPECT_EQ(view()->accessibleName(), "Flow curve");
    EXPECT_EQ(view()->accessibleDescription().toStdString(), gap());
    d.choose("lstGasName", "Air");
    EXPECT_EQ(gap(), "Missing: inlet pressure, outlet pressure");
    d.type("txtOutletPressure", "0");
    EXPECT_EQ(gap(), "Missing: inlet pressure");

    struct Step {
        const char* key;
        double inlet;  // of the curve's span, psig
        const char* flow;
    };
    for (const Step s : {Step{"1", 1, "108.8"}, Step{"0", 10, "391.8"}, Step{"0", 100, "1922.9"}}) {
        d.type("txtInletPressure", s.key);
        ASSERT_TRUE(curve().drawn()) << gap();
        EXPECT_EQ(curve().inlet, s.inlet);
        EXPECT_EQ(d.text("lblMassFlow"), s.flow);
        EXPECT_EQ(operatingText(), s.flow);
        EXPECT_EQ(view()->accessibleDescription().toStdString(), tarvek::curveSummary(curve()));
    }
    // Emptying a box starts no calculation, and the result stays; the curve has no inlet.
    QTest::keyClick(d.get<QLineEdit>("txtInletPressure"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(d.get<QLineEdit>("txtInletPressure"), Qt::Key_Backspace);
    EXPECT_EQ(d.text("lblMassFlow"), "1922.9");
    EXPECT_EQ(gap(), "Missing: inlet pressure");
    // A partial entry reads as 0, as the calculation reads it when it next runs: an inlet
    // of 0 psig, no higher than the outlet.
    d.type("txtInletPressure", "-");
    EXPECT_EQ(gap(), "No flow: the outlet pressure is not below the inlet pressure");
    d.type("txtInletPressure", "1");
    EXPECT_EQ(gap(), "No flow: the outlet pressure is not below the inlet pressure");
    d.type("txtOutletPressure", "\b-5");
    EXPECT_EQ(d.text("txtOutletPressure"), "-5");
    ASSERT_TRUE(curve().drawn()) << gap();
    EXPECT_EQ(curve().inlet, -1);
    EXPECT_EQ(operatingText(), d.text("lblMassFlow"));
    EXPECT_TRUE(warnings.empty());
}

TEST_F(FlowCurveWindow, FollowsModeSwitchesAndGasChoices) {
    workedExample();
    EXPECT_EQ(curve().mode, tarvek::FlowMode::MassFlow);
    EXPECT_TRUE(curve().operatingPoint.choked);
    EXPECT_EQ(d.text("lblOtherUnits"), "4074 scfh · 115.4 m³/h · 141.1 kg/h");
    EXPECT_NE(d.get<QLabel>("lblOtherUnits")->toolTip().indexOf("14.7 psia and 60 °F"), -1);

    d.click("optCv");
    EXPECT_EQ(curve().mode, tarvek::FlowMode::Cv);
    EXPECT_EQ(operatingText(), "0.999");
    EXPECT_EQ(d.text("lblCv"), "0.999");
    EXPECT_EQ(d.text("lblOtherUnits"), "Kv 0.8641");
    EXPECT_NE(d.get<QLabel>("lblOtherUnits")->toolTip().indexOf("0.865"), -1);

    d.click("optMassFlow");
    EXPECT_EQ(d.text("lblMassFlow"), "1921");
    EXPECT_EQ(operatingText(), "1921");
    EXPECT_EQ(d.text("lblOtherUnits"), "4070 scfh · 115.3 m³/h · 141 kg/h");

    d.choose("lstGasName", "Helium");  // SG 0.138: more flow, less mass
    EXPECT_EQ(operatingText(), d.text("lblMassFlow"));
    EXPECT_GT(curve().operatingPoint.value, 2.5 * 1921);
    const double helium = tarvek::leadingNumber(d.text("lblMassFlow"));
    EXPECT_NE(d.text("lblOtherUnits").find(tarvek::unitValueText(helium * 0.06 * 0.138 * 1.22297) + " kg/h"),
              std::string::npos);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(FlowCurveWindow, AnEmptyFrameWhileTheCalculatorHasNoResult) {
    workedExample();
    struct Case {
        const char* box;
        const char* text;
        const char* line;
        const char* result;  // what the calculator shows meanwhile, unchanged by the curve
    };
    for (const Case c : {
             Case{"txtOutletPressure", "100", "No flow: the outlet pressure is not below the inlet pressure",
                  ""},
             Case{"txtOutletPressure", "0", "", "1922.9"},
             Case{"txtTemperature", "", "Missing: temperature", "1922.9"},
             Case{"txtTemperature", "70", "", "1922.9"},
             Case{"txtInletPressure", "-14.7", "No flow: an inlet pressure of -14.7 psig is vacuum", ""},
             Case{"txtInletPressure", "1e400", "No curve: the numbers are too large to calculate", ""},
             Case{"txtInletPressure", "100", "", "1922.9"},
             Case{"txtCv", "", "Missing: Cv", "1922.9"},
         }) {
        d.setText(c.box, c.text);
        EXPECT_EQ(gap(), c.line) << c.box << " " << c.text;
        EXPECT_EQ(d.text("lblMassFlow"), c.result) << c.box << " " << c.text;
        const tarvek::CurveLayout& layout = view()->layout();
        if (*c.line) {
            EXPECT_TRUE(layout.plot.isEmpty());
            EXPECT_TRUE(layout.lines.empty());
            ASSERT_EQ(layout.labels.size(), 1u);
            EXPECT_EQ(layout.labels.front().text.toStdString(), c.line);
        } else {
            EXPECT_FALSE(layout.lines.empty()) << c.box << " " << c.text;
        }
    }
    EXPECT_TRUE(warnings.empty());
}

// Whatever the calculator accepts, and what it refuses, the curve is finite, stays in its
// frame and paints.
TEST_F(FlowCurveWindow, StaysInsideItsFrameWhateverIsTyped) {
    workedExample();
    struct Entry {
        const char* box;
        const char* text;
    };
    for (const Entry e : {Entry{"txtInletPressure", "1e30"},
                          Entry{"txtOutletPressure", "1e29"},
                          Entry{"txtCv", "1e30"},
                          Entry{"txtTemperature", "-459.9"},
                          Entry{"txtTemperature", "-460"},
                          Entry{"txtTemperature", "1e30"},
                          Entry{"txtXtFactor", "0"},
                          Entry{"txtXtFactor", "1"},
                          Entry{"txtXtFactor", "0.999"},
                          Entry{"txtInletPressure", "-"},
                          Entry{"txtOutletPressure", "-."},
                          Entry{"txtCv", "."},
                          Entry{"txtCv", "0"},
                          Entry{"txtCv", "-1"},
                          Entry{"txtInletPressure", "-14.6999"},
                          Entry{"txtInletPressure", "5e38"},
                          Entry{"txtOutletPressure", "-14.7"},
                          Entry{"optCv", ""},
                          Entry{"txtMassFlow", "1e38"},
                          Entry{"txtMassFlow", "0"},
                          Entry{"txtInletPressure", "0.0001"},
                          Entry{"txtXtFactor", "0.01"},
                          Entry{"txtMassFlow", "1e-30"},
                          Entry{"txtInletPressure", "3e38"}}) {
        const std::string what = std::string(e.box) + " " + e.text;
        if (*e.text || std::string(e.box).starts_with("txt"))
            d.setText(e.box, e.text);
        else
            d.click(e.box);
        const QRectF frame = view()->contentsRect();
        const tarvek::CurveLayout& layout = view()->layout();
        for (const tarvek::CurveLabel& label : layout.labels) {
            EXPECT_TRUE(frame.contains(label.rect)) << what << ": " << label.text.toStdString();
            for (const tarvek::CurveLabel& other : layout.labels)
                EXPECT_TRUE(&label == &other || !label.rect.intersects(other.rect))
                    << what << ": " << label.text.toStdString() << " on " << other.text.toStdString();
        }
        const QRectF plot = layout.plot.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
        for (const QPolygonF& line : layout.lines)
            for (const QPointF& point : line)
                EXPECT_TRUE(std::isfinite(point.x()) && std::isfinite(point.y()) && plot.contains(point))
                    << what << " at " << point.x() << ", " << point.y();
        if (layout.marker) {
            EXPECT_TRUE(plot.contains(*layout.marker)) << what;
        }
        EXPECT_TRUE(layout.plot.isEmpty() || frame.contains(layout.plot)) << what;
        EXPECT_EQ(view()->grab().isNull(), false) << what;
    }
    EXPECT_EQ(warnings, (std::vector<std::string>{"Invalid Temperature Value", "Invalid Cv Value"}));
}

// The pointer reads the curve where it is: the outlet pressure under it and the flow there.
TEST_F(FlowCurveWindow, TheTooltipFollowsThePointer) {
    workedExample();
    d.window.show();
    d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));
    const tarvek::CurveLayout& layout = view()->layout();
    const auto pointAt = [&](double psig) {
        const QPoint at(int(std::lround(layout.xAt(psig))), int(layout.plot.center().y()));
        movePointer(at);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    };
    const double pixel = 114.7 / layout.plot.width();  // psi
    // Within the choked area the flow is the choked flow, wherever the pointer is.
    for (const double psig : {-10.0, 0.0, 20.0, 45.0}) {
        const std::string tip = pointAt(psig);
        EXPECT_NEAR(tarvek::leadingNumber(tip), psig, pixel) << tip;
        EXPECT_TRUE(tip.ends_with(" psig: 1922.9 slm, choked")) << tip;
    }
    // Above it the flow falls with the pressure drop: 1718.2 slm at 60 psig, to a pixel.
    const std::string sixty = pointAt(60);
    EXPECT_NEAR(tarvek::leadingNumber(sixty), 60, pixel) << sixty;
    EXPECT_NEAR(tarvek::leadingNumber(sixty.substr(sixty.find(": ") + 2)), 1718.2, 3) << sixty;
    EXPECT_TRUE(sixty.ends_with(" slm")) << sixty;
    // Off the plot, no tooltip.
    movePointer(QPoint(1, 1));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

// Beside the calculator's frames and above the maintenance buttons: on no original control.
TEST_F(FlowCurveWindow, SitsInTheFreeAreaOfTheTechnicalPage) {
    QWidget* page = d.get("tabTechnical");
    for (const char* added : {"flowCurve", "lblOtherUnits"}) {
        QWidget* widget = d.get(added);
        EXPECT_EQ(widget->parentWidget(), page) << added;
        EXPECT_TRUE(page->rect().contains(widget->geometry())) << added;
        for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != widget && other->objectName() != "flowCurve" &&
                other->objectName() != "lblOtherUnits") {
                EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                    << added << " lies on " << other->objectName().toStdString();
            }
    }
}

// One-pixel lines are laid on whole device pixels, so the axes are solid at 100 % and 200 %
// alike: the left axis fills exactly devicePixelRatio columns, with no blurred neighbours.
TEST_F(FlowCurveWindow, AxesAreCrispAtTheScreensScale) {
    workedExample();
    d.window.show();
    d.get<QTabWidget>("SSTab1")->setCurrentIndex(2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.window));
    const QPixmap grabbed = view()->grab();
    const qreal scale = view()->devicePixelRatioF();
    EXPECT_EQ(grabbed.devicePixelRatio(), scale);
    EXPECT_EQ(grabbed.size(), view()->size() * scale);
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(scale, 2.0);
    }

    const QImage image = grabbed.toImage();
    const tarvek::CurveLayout& layout = view()->layout();
    const int axis = int(std::floor(layout.plot.left()) * scale);
    // A row in the middle of the plot, between the grid lines and away from the line.
    const int row = int((layout.plot.top() + layout.plot.height() * 0.6) * scale);
    const auto grey = [&](int x) { return qGray(image.pixel(x, row)); };
    const int axisGrey = qGray(QColor(150, 150, 150).rgb());
    for (int i = 0; i < int(scale); ++i) EXPECT_EQ(grey(axis + i), axisGrey) << "column " << axis + i;
    EXPECT_NE(grey(axis - 1), axisGrey);
    EXPECT_NE(grey(axis + int(scale)), axisGrey);
    EXPECT_GT(grey(axis - 1), axisGrey + 40);  // the white frame, not a half-tone of the axis
}

}  // namespace
