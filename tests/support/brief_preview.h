// The print preview opened for real but not waited on: shown until it has laid out its pages,
// then closed, so that a test goes on without a user.
#pragma once

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

#include "app/quote/print_preview.h"

namespace tarvek::testing {

struct BriefPreview {
    int opened = 0;
    int pages = 0;  // of the last preview
    PrintPreviewFunction previous;

    BriefPreview() {
        previous =
            replacePrintPreviewFunction([this](QWidget* parent, QPrinter& printer, const PagePainter& paint) {
                ++opened;
                QPrintPreviewDialog dialog(&printer, parent);
                QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
                dialog.show();
                const auto* preview = dialog.findChild<QPrintPreviewWidget*>();
                pages = 0;
                if (preview && QTest::qWaitFor([&] { return preview->pageCount() > 0; }))
                    pages = preview->pageCount();
                dialog.close();
            });
    }
    ~BriefPreview() { replacePrintPreviewFunction(previous); }
    BriefPreview(const BriefPreview&) = delete;
    BriefPreview& operator=(const BriefPreview&) = delete;
};

}  // namespace tarvek::testing
