#include "app/quote/print_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <utility>

namespace tarvek {
namespace {

void previewDialog(QWidget* parent, QPrinter& printer, const PagePainter& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

PrintPreviewFunction& current() {
    static PrintPreviewFunction function = previewDialog;
    return function;
}

}  // namespace

void showPrintPreview(QWidget* parent, QPrinter& printer, const PagePainter& paint) {
    current()(parent, printer, paint);
}

PrintPreviewFunction replacePrintPreviewFunction(PrintPreviewFunction function) {
    return std::exchange(current(), function ? std::move(function) : PrintPreviewFunction(previewDialog));
}

}  // namespace tarvek
