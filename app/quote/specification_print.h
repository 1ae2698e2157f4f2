// The specification sheets painted: one page per sheet laid out by the rules (blocks of
// captions and texts, tables of the cases), with the brand, the porting's top view kept as
// vectors and the product's picture. The window prints and exports them, and --size writes
// them, through this one painter.
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "pictures/picture.h"
#include "rules/quotes/specification_sheet.h"

class QPagedPaintDevice;

namespace tarvek {

struct SpecificationPrint {
    std::vector<SpecificationSheet> sheets;
    QImage brand;
    std::map<std::string, Picture> pictures;  // drawings and pictures by file name, each read once
};

// The sheets with their drawings and pictures read by bare file name from the data folder (a
// missing or damaged one prints none). Safe to call from a worker thread.
SpecificationPrint specificationPrint(std::vector<SpecificationSheet> sheets, const QImage& brand);

// Paints a page per sheet onto the device (a printer, a preview, a PDF writer), each scaled
// down where the page is too small for it; the number of pages.
int printSpecificationSheets(QPagedPaintDevice& device, const SpecificationPrint& print);

// The sheets as a PDF file at `path`, written atomically; an empty text when done, else why not.
QString writeSpecificationPdf(const QString& path, const SpecificationPrint& print);

}  // namespace tarvek
