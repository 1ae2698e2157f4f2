#include "app/literature/literature.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QIcon>
#include <QToolButton>
#include <array>

#include "app/busy_cursor.h"
#include "app/deferred_icon.h"
#include "app/literature/document_buttons.h"
#include "app/literature/wrapped_captions.h"
#include "platform/document_opener.h"

namespace tarvek {
namespace {

constexpr std::string_view kClickSuffix = "_Click";

// Which handler each button runs: the compiler checks every handler named here.
struct ButtonHandler {
    std::string_view button;
    void (Literature::*handler)();
};

constexpr std::array<ButtonHandler, 18> kButtonHandlers = {{
    {"cmdOpenMXpdf", &Literature::cmdOpenMXpdf_Click},
    {"cmdOpenMX2pdf", &Literature::cmdOpenMX2pdf_Click},
    {"cmdOpenMX3pdf", &Literature::cmdOpenMX3pdf_Click},
    {"cmdOpenMX4pdf", &Literature::cmdOpenMX4pdf_Click},
    {"cmdOpenHMX2pdf", &Literature::cmdOpenHMX2pdf_Click},
    {"cmdOpenHMX3pdf", &Literature::cmdOpenHMX3pdf_Click},
    {"cmdOpenT400pdf", &Literature::cmdOpenT400pdf_Click},
    {"cmdOpenBMX2", &Literature::cmdOpenBMX2_Click},
    {"cmdOpenKLpdf", &Literature::cmdOpenKLpdf_Click},
    {"cmdOpenWNpdf", &Literature::cmdOpenWNpdf_Click},
    {"cmdOpenLNQpdf", &Literature::cmdOpenLNQpdf_Click},
    {"cmdOpenE310", &Literature::cmdOpenE310_Click},
    {"cmdOpenMaintenanceValveSeatpdf", &Literature::cmdOpenMaintenanceValveSeatpdf_Click},
    {"cmdOpenMaintenanceDiaphragmpdf", &Literature::cmdOpenMaintenanceDiaphragmpdf_Click},
    {"cmdOpenMaintenanceA310pdf", &Literature::cmdOpenMaintenanceA310pdf_Click},
    {"cmdOpenMaintenanceE310pdf", &Literature::cmdOpenMaintenanceE310pdf_Click},
    {"cmdOpenMaintenanceN350pdf", &Literature::cmdOpenMaintenanceN350pdf_Click},
    {"cmdOpenMaintenanceJ310pdf", &Literature::cmdOpenMaintenanceJ310pdf_Click},
}};

QString qstring(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QToolButton* findButton(std::initializer_list<QWidget*> pages, std::string_view name) {
    for (QWidget* page : pages)
        if (auto* button = page->findChild<QToolButton*>(qstring(name))) return button;
    return nullptr;
}

}  // namespace

Literature::Literature(std::initializer_list<QWidget*> pages) {
    auto* captions = new WrappedCaptions(this);
    for (const ButtonHandler& row : kButtonHandlers) {
        const DocumentButton* document = findDocumentButton(row.button);
        QToolButton* button = findButton(pages, row.button);
        if (!document || !button) continue;
        button->setIcon(deferredIcon(buttonPicturePath(document->document())));
        captions->wrap(button);
        connect(button, &QAbstractButton::clicked, this, row.handler);
    }
}

QString Literature::buttonPicturePath(const Document& document) {
    return QLatin1String(":/tarvek/documents/") + QString::fromStdString(firstPagePictureName(document));
}

// A failing step is skipped without a word: a missing document, a missing viewer or one that
// refuses the file leave the window as it was, and the pointer always comes back.
void Literature::openDocumentOfHandler(std::string_view handlerName) {
    if (handlerName.ends_with(kClickSuffix)) handlerName.remove_suffix(kClickSuffix.size());
    const DocumentButton* row = findDocumentButton(handlerName);
    if (!row) return;
    const BusyCursor busy;
    try {
        openDocument(documentPath(QCoreApplication::applicationDirPath(), row->document().path));
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
