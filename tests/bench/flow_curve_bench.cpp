// The flow curve: one keystroke in the Cv box with everything it changes painted (the box,
// the result, the line in other units and the curve, recomputed), on a shown technical
// page, by the catalogue's formula and by the standard's sizing; and the curve's points alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "app/calculator/flow_curve_view.h"
#include "app/main_window.h"
#include "rules/calculator/flow_curve.h"
#include "tests/support/gas_databases.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The catalogue's window shown on its technical page, the pictures and gases where a user has them.
struct TechnicalPage {
    std::unique_ptr<frmTarvekProducts> window;
    explicit TechnicalPage(benchmark::State& state) {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(TARVEK_TEST_RUNTIME_DIR));
        window = std::make_unique<frmTarvekProducts>();
        QDir::setCurrent(previous);
        window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) state.SkipWithError("the window is not shown");
    }
    template <typename T>
    T* get(const char* name) {
        return window->findChild<T*>(QLatin1String(name));
    }
    void type(const char* box, const char* text) { get<QLineEdit>(box)->setText(QLatin1String(text)); }
    void chooseGas(const char* name) {
        auto* gases = get<QComboBox>("lstGasName");
        gases->setCurrentIndex(gases->findText(QLatin1String(name)));
        emit gases->activated(gases->currentIndex());
    }
};

// One keystroke in a box per iteration, and the paint it asks for. Every keystroke changes
// the curve, so every one must have painted it.
void typeKeystrokes(benchmark::State& state, QLineEdit* box, FlowCurveView* curve) {
    PaintCounter counter;
    curve->installEventFilter(&counter);
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(box, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        QApplication::processEvents();  // the paint the keystroke asked for
    }
    if (counter.paints < state.iterations())
        state.SkipWithError("the curve was not painted on every keystroke");
    state.counters["curve paints per keystroke"] = double(counter.paints) / double(state.iterations());
}

void BM_KeystrokeWithFlowCurve(benchmark::State& state) {
    TechnicalPage page(state);
    page.type("txtInletPressure", "100");
    page.type("txtOutletPressure", "60");
    page.chooseGas("Air");
    auto* curve = page.get<FlowCurveView>("flowCurve");
    QApplication::processEvents();
    if (!curve->curve().drawn()) state.SkipWithError("no curve for the worked example");
    typeKeystrokes(state, page.get<QLineEdit>("txtCv"), curve);
}
BENCHMARK(BM_KeystrokeWithFlowCurve)->Unit(benchmark::kMicrosecond);

// The same with the sizing by the standard: its boxes, its texts and its curve.
void BM_KeystrokeWithSizingCurve(benchmark::State& state) {
    TechnicalPage page(state);
    page.type("txtInletPressure", "100");
    page.type("txtOutletPressure", "80");
    page.type("txtCv", "0.23");
    page.chooseGas("Nitrogen");
    page.get<QRadioButton>("optMethodIec")->click();
    auto* curve = page.get<FlowCurveView>("flowCurve");
    QApplication::processEvents();
    if (!curve->curve().drawn() || !curve->curve().sizing)
        state.SkipWithError("no sizing curve for the case");
    typeKeystrokes(state, page.get<QLineEdit>("txtIecCv"), curve);
}
BENCHMARK(BM_KeystrokeWithSizingCurve)->Unit(benchmark::kMicrosecond);

void BM_FlowCurvePoints(benchmark::State& state) {
    const tarvek::FlowFields fields{tarvek::FlowMode::MassFlow, "70", "100", "60", "1", "0.472", "1.0", ""};
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::flowCurve(fields).points.size());
    state.counters["points"] = double(tarvek::flowCurve(fields).points.size());
}
BENCHMARK(BM_FlowCurvePoints)->Unit(benchmark::kMicrosecond);

}  // namespace
