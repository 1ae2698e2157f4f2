#include "literature/literature.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMetaMethod>
#include <QToolButton>

#include "app/busy_cursor.h"
#include "app/deferred_icon.h"
#include "literature/document_buttons.h"
#include "literature/document_opener.h"
#include "literature/wrapped_captions.h"
#include "ui_main_window.h"

namespace tarvek {
namespace {

constexpr std::string_view kClickSuffix = "_Click";

QString handlerSignature(const DocumentButton& row) {
    return QString::fromLatin1(row.button.data(), qsizetype(row.button.size())) + QLatin1String("_Click()");
}

}  // namespace

Literature::Literature(Ui::frmTarvekProducts& form) : ui(form) {
    const QMetaMethod clicked = QMetaMethod::fromSignal(&QAbstractButton::clicked);
    auto* captions = new WrappedCaptions(this);
    for (const DocumentButton& row : kDocumentButtons) {
        auto* button = ui.SSTab1->findChild<QToolButton*>(
            QString::fromLatin1(row.button.data(), qsizetype(row.button.size())));
        if (!button) continue;
        button->setIcon(deferredIcon(buttonPicturePath(row)));
        captions->wrap(button);
        const int handler = metaObject()->indexOfSlot(handlerSignature(row).toLatin1().constData());
        if (handler >= 0) connect(button, clicked, this, metaObject()->method(handler));
    }
}

QString Literature::buttonPicturePath(const DocumentButton& button) {
    return QLatin1String(":/tarvek/documents/") +
           QString::fromLatin1(button.button.data(), qsizetype(button.button.size())) + QLatin1String(".png");
}

// A failing step is skipped without a word: a missing document, a missing viewer or one that
// refuses the file leave the window as it was, and the pointer always comes back.
void Literature::openDocumentOfHandler(std::string_view handlerName) {
    if (handlerName.ends_with(kClickSuffix)) handlerName.remove_suffix(kClickSuffix.size());
    const DocumentButton* row = findDocumentButton(handlerName);
    if (!row) return;
    const BusyCursor busy;
    try {
        openDocument(documentPath(QCoreApplication::applicationDirPath(), row->document));
    } catch (...) {
    }
}

// The eighteen handlers are the same; each finds its table row by its own name.
void Literature::cmdOpenMXpdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMX2pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMX3pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMX4pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenHMX2pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenHMX3pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenT400pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenBMX2_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenKLpdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenWNpdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenLNQpdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenE310_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMaintenanceValveSeatpdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMaintenanceDiaphragmpdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMaintenanceA310pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMaintenanceE310pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMaintenanceN350pdf_Click() { openDocumentOfHandler(__func__); }
void Literature::cmdOpenMaintenanceJ310pdf_Click() { openDocumentOfHandler(__func__); }

}  // namespace tarvek
