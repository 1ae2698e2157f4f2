// The print preview of a page, from which the user goes on to the system's print dialog
// (and may print to a PDF file of their choosing). Tests replace it to open the preview
// without waiting for a user, as they do with warnings.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace tarvek {

using PagePainter = std::function<void(QPrinter* printer)>;
using PrintPreviewFunction =
    std::function<void(QWidget* parent, QPrinter& printer, const PagePainter& paint)>;

// By default a modal QPrintPreviewDialog that asks `paint` for its page.
void showPrintPreview(QWidget* parent, QPrinter& printer, const PagePainter& paint);

// Installs another preview function and returns the one it replaces.
PrintPreviewFunction replacePrintPreviewFunction(PrintPreviewFunction function);

}  // namespace tarvek
