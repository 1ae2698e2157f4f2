// The calculator: one keystroke in an input box through to the written result, and the
// gas list filled at start-up from the shipped Gases.mdb and from a 2,000-row database,
// the reader program's start, libmdb and the listing's check included.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/calculator/calculator_page.h"
#include "app/main_window.h"
#include "tests/support/gas_databases.h"

namespace {

const bool kReaderFound = (gastest::useRuntimeReader(), true);

// The window as started from the runtime folder, with the shipped gases.
std::unique_ptr<frmTarvekProducts> startedWindow() {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(TARVEK_TEST_RUNTIME_DIR));
    auto window = std::make_unique<frmTarvekProducts>();
    QDir::setCurrent(previous);
    return window;
}

// Types "5" after the Cv and erases it again, in turn: each keystroke runs the box's
// check, the calculation, the write of the hidden flow box with its own check and
// calculation, and the result label. Nothing is painted: the window is not shown.
void BM_CalculatorKeystroke(benchmark::State& state) {
    const auto window = startedWindow();
    auto* gases = window->findChild<QComboBox*>(QStringLiteral("lstGasName"));
    auto* cv = window->findChild<QLineEdit*>(QStringLiteral("txtCv"));
    auto* flow = window->findChild<QLabel*>(QStringLiteral("lblMassFlow"));
    window->findChild<QLineEdit*>(QStringLiteral("txtInletPressure"))->setText(QStringLiteral("100"));
    window->findChild<QLineEdit*>(QStringLiteral("txtOutletPressure"))->setText(QStringLiteral("0"));
    gases->setCurrentIndex(gases->findText(QStringLiteral("Air")));
    emit gases->activated(gases->currentIndex());
    if (flow->text() != QStringLiteral("1922.9")) state.SkipWithError("the worked example gives no 1922.9");

    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(cv, typed ? Qt::Key_Backspace : Qt::Key_5);
        typed = !typed;
        benchmark::DoNotOptimize(flow->text().size());
    }
    if (flow->text() != QStringLiteral("1922.9") && flow->text() != QStringLiteral("2019.0") &&
        flow->text() != QStringLiteral("2019"))
        state.SkipWithError(qPrintable(QStringLiteral("unexpected flow ") + flow->text()));
}
BENCHMARK(BM_CalculatorKeystroke)->Unit(benchmark::kMicrosecond);

void fillGasList(benchmark::State& state, const QString& database, int expectedRows) {
    const auto window = startedWindow();
    tarvek::CalculatorPage& calculator = window->calculator();
    calculator.setDatabasePath(database);
    auto* gases = window->findChild<QComboBox*>(QStringLiteral("lstGasName"));
    for (auto _ : state) calculator.fillGasList();
    if (gases->count() != expectedRows) state.SkipWithError("the gas list is not filled");
    state.counters["rows"] = gases->count();
}

void BM_FillGasListFromShippedDatabase(benchmark::State& state) {
    fillGasList(state, gastest::runtimeFile("Gases.mdb"), 25);
}
BENCHMARK(BM_FillGasListFromShippedDatabase)->Unit(benchmark::kMillisecond);

void BM_FillGasListFrom2000Rows(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Gases.mdb"));
    if (!gastest::save(path, gastest::gasFile(gastest::manyGases(2000)))) state.SkipWithError("cannot write");
    fillGasList(state, path, 2000);
}
BENCHMARK(BM_FillGasListFrom2000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
