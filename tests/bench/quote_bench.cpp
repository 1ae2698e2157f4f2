// The quote: copying it (text and HTML table onto the clipboard), and building the page of
// its print preview (picture read, page laid out and drawn into the preview).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "app/configurator/configurator_page.h"
#include "app/configurator/control_names.h"
#include "app/main_window.h"
#include "app/quote/quote_sheet.h"
#include "tests/support/quote_configurations.h"

namespace {

struct Controls {
    QWidget& window;
    void choose(const char* list, const char* entry) {
        auto* combo = window.findChild<QComboBox*>(QLatin1String(list));
        const int index =
            combo->findText(QString::fromUtf8(entry), Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void click(const char* button) { window.findChild<QAbstractButton*>(QLatin1String(button))->click(); }
    void use(std::variant<tarvek::List, tarvek::Option> control, const char* entry) {
        if (const auto* list = std::get_if<tarvek::List>(&control))
            choose(tarvek::form::kLists[std::size_t(*list)], entry);
        else
            click(tarvek::form::kOptions[std::size_t(std::get<tarvek::Option>(control))]);
    }
};

void configure(frmTarvekProducts& window, const std::vector<tarvek::testing::UserStep>& steps) {
    Controls controls{window};
    tarvek::testing::takeSteps(controls, steps);
}

void BM_CopyQuote(benchmark::State& state) {
    frmTarvekProducts window;
    configure(window, tarvek::testing::kNonStandardSteps);  // the longest quote: a warning with its reason
    auto* copy = window.findChild<QAbstractButton*>(QStringLiteral("cmdCopyQuote"));
    for (auto _ : state) copy->click();
    if (!QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Part Number: A310")))
        state.SkipWithError("nothing was copied");
}
BENCHMARK(BM_CopyQuote)->Unit(benchmark::kMicrosecond);

void previewPage(benchmark::State& state, const std::vector<tarvek::testing::UserStep>& steps) {
    frmTarvekProducts window;
    configure(window, steps);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    tarvek::QuoteSheet sheet;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* page) { tarvek::printQuoteSheet(*page, sheet); });
    for (auto _ : state) {
        sheet = tarvek::quoteSheet(window.configurator().state(), QDate::currentDate());
        preview.updatePreview();
    }
}
void BM_QuotePreviewPage_Drawing(benchmark::State& state) {
    previewPage(state, tarvek::testing::kPortingDrawingSteps);
}
void BM_QuotePreviewPage_Photo(benchmark::State& state) {
    previewPage(state, tarvek::testing::kTypicalValveSteps);
}
BENCHMARK(BM_QuotePreviewPage_Drawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuotePreviewPage_Photo)->Unit(benchmark::kMillisecond);

}  // namespace
