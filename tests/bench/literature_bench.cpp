// The document buttons: the cost of a click up to the hand-over (the viewer replaced by a
// no-op), and of composing every document's content from the catalogue tables.
#include <benchmark/benchmark.h>

#include <QAbstractButton>

#include "app/main_window.h"
#include "assets/documents/document_content.h"
#include "platform/document_opener.h"
#include "rules/catalogue/documents.h"

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
        for (const tarvek::Document& document : tarvek::kDocuments)
            benchmark::DoNotOptimize(tarvek::documentContent(document));
}
BENCHMARK(BM_AllDocumentContents);

}  // namespace
