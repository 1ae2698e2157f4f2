#include "app/quote/quote_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/controls.h"
#include "rules/quotes/quote_text.h"

namespace tarvek {

QMimeData* quoteMimeData(const Quote& quote) {
    auto* data = new QMimeData;
    data->setText(qstr(quotePlainText(quote)));
    data->setHtml(qstr(quoteHtml(quote)));
    return data;
}

void copyToClipboard(const Quote& quote) { QGuiApplication::clipboard()->setMimeData(quoteMimeData(quote)); }

}  // namespace tarvek
