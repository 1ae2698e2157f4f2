#include "app/search/search_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "app/controls.h"
#include "rules/configurator/pricing.h"
#include "rules/search/price_on_request.h"

namespace tarvek {

CopiedConfigurations copiedConfigurations(const search::SearchIndex& index,
                                          const std::vector<search::ConfigurationId>& ids) {
    CopiedConfigurations copied;
    QStringList lines = {QStringLiteral("Part Number\tList Price US$\tNon-standard\tDescription")};
    for (const search::ConfigurationId id : ids) {
        if (copied.copied == kMostCopied) break;
        const search::IndexedConfiguration c = index.configuration(id);
        QStringList description;
        for (const std::string_view text : c.description) description << qstr(text);
        const std::string price =
            c.priceOnRequest ? std::string(search::kPriceOnRequest) : priceText(c.listPrice);
        lines << qstr(c.partNumber) + QLatin1Char('\t') + qstr(price) + QLatin1Char('\t') +
                     (c.nonStandard ? QStringLiteral("yes") : QStringLiteral("no")) + QLatin1Char('\t') +
                     description.join(QStringLiteral(" / "));
        ++copied.copied;
    }
    copied.csv = QString::fromStdString(search::priceBookRows(index, ids));
    copied.text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return copied;
}

void putOnClipboard(const CopiedConfigurations& copied) {
    auto* data = new QMimeData;
    data->setText(copied.text);
    data->setData(QStringLiteral("text/csv"), copied.csv.toUtf8());
    QApplication::clipboard()->setMimeData(data);
}

}  // namespace tarvek
