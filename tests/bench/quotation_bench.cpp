// A quote of 1,000 lines, all different part numbers: pasted onto the quote page (decoded and
// shown), saved, opened again (read and every line priced again), exported as XLSX and CSV,
// and printed to PDF.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/quote/quotation_files.h"
#include "app/quote/quotation_print.h"
#include "app/quote/quotation_table_model.h"
#include "app/quote/quotation_workbook.h"
#include "app/quote/quote_page.h"
#include "app/window_pictures.h"
#include "rules/part_numbers/part_number_decoder.h"
#include "rules/quotes/pasted_lines.h"
#include "rules/quotes/quotation_csv.h"
#include "rules/quotes/quotation_document.h"
#include "rules/quotes/quotation_lines.h"
#include "tests/support/many_part_numbers.h"

namespace {

constexpr std::size_t kLines = 1000;

const QString& pastedText() {
    static const QString text = [] {
        QString rows;
        std::size_t i = 0;
        for (const std::string& number : tarvek::testing::manyPartNumbers(kLines))
            rows += QString::fromStdString(number) + QLatin1Char('\t') + QString::number(++i % 40 + 1) +
                    QLatin1Char('\n');
        return rows;
    }();
    return text;
}

const tarvek::Quotation& longQuotation() {
    static const tarvek::Quotation quotation = [] {
        tarvek::Quotation q;
        q.header.number = "TQ-20130205-143005";
        q.header.date = "2013-02-05";
        q.header.priceList = "2013 Tarvek Products Catalog (130205)";
        q.header.discount = tarvek::Percent{10'00};
        const QByteArray utf8 = pastedText().toUtf8();
        q.lines = tarvek::quotationLinesOf(tarvek::readPastedLines(utf8.toStdString())).lines;
        return q;
    }();
    return quotation;
}

void BM_PasteLinesOnThePage(benchmark::State& state) {
    frmTarvekProducts window;
    tarvek::QuotePage& page = window.quotePage();
    const QString& text = pastedText();
    tarvek::partNumberDecoder();  // built once at the first look-up of the session, measured on its own
    for (auto _ : state) {
        page.addPastedText(text);
        state.PauseTiming();
        if (page.quotation().lines.size() != kLines) state.SkipWithError("not every line was added");
        page.model().editor().reset({});
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteLinesOnThePage)->Unit(benchmark::kMillisecond);

void BM_SaveQuote(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.tquote"));
    for (auto _ : state) {
        const std::string document = tarvek::quotationDocument(longQuotation());
        if (!tarvek::writeAtomically(path, QByteArray(document.data(), qsizetype(document.size()))).isEmpty())
            state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveQuote)->Unit(benchmark::kMillisecond);

void BM_OpenQuoteAndPriceAgain(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.tquote"));
    const std::string document = tarvek::quotationDocument(longQuotation());
    tarvek::writeAtomically(path, QByteArray(document.data(), qsizetype(document.size())));
    tarvek::partNumberDecoder();
    for (auto _ : state) {
        tarvek::FileReading reading = tarvek::readQuotationFile(path);
        if (!reading.quotation) state.SkipWithError("not read");
        for (tarvek::QuotationLine& line : reading.quotation->lines) line = tarvek::repriced(line);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_OpenQuoteAndPriceAgain)->Unit(benchmark::kMillisecond);

void BM_ExportWorkbook(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.xlsx"));
    for (auto _ : state)
        if (!tarvek::writeQuotationWorkbook(path, longQuotation()).isEmpty())
            state.SkipWithError("not written");
}
BENCHMARK(BM_ExportWorkbook)->Unit(benchmark::kMillisecond);

void BM_ExportCsv(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tarvek::quotationCsv(longQuotation()));
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

void BM_PrintPdf(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.pdf"));
    for (auto _ : state) {
        const tarvek::QuotationSheet sheet =
            tarvek::quotationSheet(longQuotation(), true, tarvek::brandPicture());
        if (!tarvek::writeQuotationPdf(path, sheet).isEmpty()) state.SkipWithError("not written");
    }
}
BENCHMARK(BM_PrintPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
