// The document buttons: the cost of a click up to the hand-over (the viewer replaced by a
// no-op), and of composing every document's content from the catalogue tables.
#include <benchmark/benchmark.h>

#include <QAbstractButton>

#include "app/main_window.h"
#include "assets/documents/document_content.h"
#include "rules/catalogue/documents.h"
#include "platform/document_opener.h"

namespace {

void BM_DocumentButtonClick(benchmark::State& state) {
    frmTarvekProducts window;
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("cmdOpenMaintenanceA310pdf"));
    int handedOver = 0;
    const tarvek::DocumentOpener previous = tarvek::replaceDocumentOpener([&](const QString&) {
        ++handedOver;
        return true;
    });
    for (auto _ : state) button->click();
    tarvek::replaceDocumentOpener(previous);
    state.counters["handed_over"] = handedOver;
}
BENCHMARK(BM_DocumentButtonClick);

void BM_AllDocumentContents(benchmark::State& state) {
    for (auto _ : state)
        for (const tarvek::DocumentButton& button : tarvek::kDocumentButtons)
            benchmark::DoNotOptimize(tarvek::documentContent(button));
}
BENCHMARK(BM_AllDocumentContents);

}  // namespace
