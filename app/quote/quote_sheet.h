// The printed quote: one page with the brand and the catalogue's edition, the date, the
// part number, the picture or porting drawing (a drawing stays vectors), the description,
// the prices, the non-standard warning and a blank line for the customer's reference.
#pragma once

#include <QDate>
#include <QImage>

#include "pictures/picture.h"
#include "rules/quotes/quote.h"

class QPaintDevice;
class QPainter;

namespace tarvek {

struct QuoteSheet {
    Quote quote;
    QDate date;
    Picture picture;  // empty when the file is missing or damaged
    QImage brand;
};

// The quote of the page's state, its picture read by bare file name from the working directory.
QuoteSheet quoteSheet(const ConfiguratorState& state, QDate date);

// Paints the sheet on the device's first page (a printer, a preview, a PDF writer), scaled
// down when the page is too small to hold it.
void printQuoteSheet(QPaintDevice& device, const QuoteSheet& sheet);

}  // namespace tarvek
