// Configurator response: a keystroke in the discount box through to the net price.
#include <benchmark/benchmark.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/main_window.h"

namespace {

void BM_DiscountKeystroke(benchmark::State& state) {
    frmTarvekProducts window;
    auto* discount = window.findChild<QLineEdit*>("txtDiscount");
    auto* net = window.findChild<QLabel*>("lblNetPrice");
    bool typeDigit = true;
    for (auto _ : state) {
        QTest::keyClick(discount, typeDigit ? Qt::Key_5 : Qt::Key_Backspace);
        typeDigit = !typeDigit;
        benchmark::DoNotOptimize(net->text());
    }
}
BENCHMARK(BM_DiscountKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
