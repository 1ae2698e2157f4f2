#include "app/quote/quotation_files.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "app/controls.h"
#include "rules/quotes/quotation_document.h"

namespace tarvek {

FileStamp stampOf(const QString& path) {
    FileStamp stamp;
    const QFileInfo info(path);
    if (!info.exists()) return stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&file);
        stamp.digest = hash.result();
    }
    return stamp;
}

FileReading readQuotationFile(const QString& path) {
    FileReading reading;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.problem = QStringLiteral("cannot be read: ") + file.errorString();
        return reading;
    }
    // One byte more than any document may have, so a larger file is told as such.
    const QByteArray bytes = file.read(qint64(kLargestQuoteDocument) + 1);
    if (file.error() != QFileDevice::NoError) {
        reading.problem = QStringLiteral("cannot be read: ") + file.errorString();
        return reading;
    }
    QuotationReading read =
        readQuotationDocument(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!read.quotation) {
        reading.problem = qstr(read.problem);
        return reading;
    }
    reading.quotation = std::move(read.quotation);
    reading.stamp = stampOf(path);
    return reading;
}

}  // namespace tarvek
