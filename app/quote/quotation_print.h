// The printed quotation, of any length: the brand, the quote number and the header on the
// first page; the table of lines with its heading again on every page, each line with its
// product's own picture; the totals after the last line; and on every page a footer with the
// quote number and "Page n of m". Laid out in points, so it prints alike on any page size.
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <string>

#include "rules/quotes/quotation.h"

class QPagedPaintDevice;

namespace tarvek {

struct QuotationSheet {
    Quotation quotation;
    bool withPrices = true;
    QImage brand;
    std::map<std::string, QImage>
        pictures;  // by file name: each picture read once, however many lines show it
};

// The sheet of a quotation, the pictures read by bare file name from the data folder
// (a missing or damaged one prints no picture). Safe to call from a worker thread.
QuotationSheet quotationSheet(Quotation quotation, bool withPrices, const QImage& brand);

// Paints every page onto the device (a printer, a preview, a PDF writer); the number of pages.
int printQuotation(QPagedPaintDevice& device, const QuotationSheet& sheet);

// The sheet written as a PDF file at `path`, atomically and page by page, never held whole;
// an empty text when done, else why not.
QString writeQuotationPdf(const QString& path, const QuotationSheet& sheet);

}  // namespace tarvek
