// The flow curve: one keystroke in the Cv box with everything it changes painted (the box,
// the result, the line in other units and the curve, recomputed), on a shown technical
// page; and the curve's points alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

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

void BM_KeystrokeWithFlowCurve(benchmark::State& state) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(TARVEK_TEST_RUNTIME_DIR));
    frmTarvekProducts window;
    QDir::setCurrent(previous);
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("the window is not shown");
    auto* gases = window.findChild<QComboBox*>(QStringLiteral("lstGasName"));
    auto* cv = window.findChild<QLineEdit*>(QStringLiteral("txtCv"));
    auto* curve = window.findChild<FlowCurveView*>(QStringLiteral("flowCurve"));
    window.findChild<QLineEdit*>(QStringLiteral("txtInletPressure"))->setText(QStringLiteral("100"));
    window.findChild<QLineEdit*>(QStringLiteral("txtOutletPressure"))->setText(QStringLiteral("60"));
    gases->setCurrentIndex(gases->findText(QStringLiteral("Air")));
    emit gases->activated(gases->currentIndex());
    QApplication::processEvents();
    if (!curve->curve().drawn()) state.SkipWithError("no curve for the worked example");

    PaintCounter counter;
    curve->installEventFilter(&counter);
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(cv, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        QApplication::processEvents();  // the paint the keystroke asked for
    }
    // Every keystroke changes the curve, so every one must have painted it.
    if (counter.paints < state.iterations())
        state.SkipWithError("the curve was not painted on every keystroke");
    state.counters["curve paints per keystroke"] = double(counter.paints) / double(state.iterations());
}
BENCHMARK(BM_KeystrokeWithFlowCurve)->Unit(benchmark::kMicrosecond);

void BM_FlowCurvePoints(benchmark::State& state) {
    const tarvek::FlowFields fields{tarvek::FlowMode::MassFlow, "70", "100", "60", "1", "0.472", "1.0", ""};
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::flowCurve(fields).points.size());
    state.counters["points"] = double(tarvek::flowCurve(fields).points.size());
}
BENCHMARK(BM_FlowCurvePoints)->Unit(benchmark::kMicrosecond);

}  // namespace
