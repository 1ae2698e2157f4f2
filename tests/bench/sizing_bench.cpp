// The sizing by the standard: one keystroke in its Cv box with everything it changes painted
// (its boxes, its texts and the curve, recomputed), on a shown technical page; and its
// equations and curve alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/calculator/flow_curve_view.h"
#include "app/main_window.h"
#include "rules/calculator/sizing_curve.h"
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

void BM_KeystrokeWithSizingCurve(benchmark::State& state) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(TARVEK_TEST_RUNTIME_DIR));
    frmTarvekProducts window;
    QDir::setCurrent(previous);
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("the window is not shown");
    auto* gases = window.findChild<QComboBox*>(QStringLiteral("lstGasName"));
    window.findChild<QLineEdit*>(QStringLiteral("txtInletPressure"))->setText(QStringLiteral("100"));
    window.findChild<QLineEdit*>(QStringLiteral("txtOutletPressure"))->setText(QStringLiteral("80"));
    window.findChild<QLineEdit*>(QStringLiteral("txtCv"))->setText(QStringLiteral("0.23"));
    gases->setCurrentIndex(gases->findText(QStringLiteral("Nitrogen")));
    emit gases->activated(gases->currentIndex());
    window.findChild<QRadioButton*>(QStringLiteral("optMethodIec"))->click();
    auto* cv = window.findChild<QLineEdit*>(QStringLiteral("txtIecCv"));
    auto* curve = window.findChild<FlowCurveView*>(QStringLiteral("flowCurve"));
    QApplication::processEvents();
    if (!curve->curve().drawn() || !curve->curve().sizing)
        state.SkipWithError("no sizing curve for the case");

    PaintCounter counter;
    curve->installEventFilter(&counter);
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(cv, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        QApplication::processEvents();  // the paint the keystroke asked for
    }
    if (counter.paints < state.iterations())
        state.SkipWithError("the curve was not painted on every keystroke");
    state.counters["curve paints per keystroke"] = double(counter.paints) / double(state.iterations());
}
BENCHMARK(BM_KeystrokeWithSizingCurve)->Unit(benchmark::kMicrosecond);

tarvek::SizingTexts nitrogen(tarvek::SizingUnknown unknown) {
    tarvek::SizingTexts t{{}, "0.967", "1.4", unknown, {}};
    t.boxes = {"70", "100", "80", "0.23", "276.2", "0.5", "1", "", "", "", ""};
    return t;
}

void BM_SizingCurvePoints(benchmark::State& state) {
    const tarvek::SizingTexts texts = nitrogen(tarvek::SizingUnknown::Flow);
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::sizingCurve(texts).points.size());
    state.counters["points"] = double(tarvek::sizingCurve(texts).points.size());
}
BENCHMARK(BM_SizingCurvePoints)->Unit(benchmark::kMicrosecond);

// The slowest unknown: the outlet pressure, found by bisection over the flow equation.
void BM_SizingOutletPressure(benchmark::State& state) {
    const tarvek::SizingTexts texts = nitrogen(tarvek::SizingUnknown::OutletPressure);
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::calculateSizing(texts).ok());
}
BENCHMARK(BM_SizingOutletPressure)->Unit(benchmark::kMicrosecond);

// The costliest curve: a small valve at a low flow, not turbulent, so that every point
// solves the Reynolds number factor by bisection (the standard's argon example).
void BM_SizingCurveNotTurbulent(benchmark::State& state) {
    tarvek::SizingTexts t{{}, "1.379489", "1.67", tarvek::SizingUnknown::OutletPressure, {}};
    t.boxes = {"116.33", "25.914",    "4.159", "0.0185", "7.68", "0.8",
               "1",      "0.0226067", "15",    "0.0618", "0.98"};
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::sizingCurve(t).points.size());
    state.counters["not turbulent"] =
        tarvek::calculateSizing(t).ok() && !tarvek::calculateSizing(t).sizing->turbulent;
}
BENCHMARK(BM_SizingCurveNotTurbulent)->Unit(benchmark::kMicrosecond);

}  // namespace
