#include "tools/documents/document_files.h"

#include <QBuffer>
#include <QImageReader>
#include <QPageSize>
#include <QPdfWriter>

#include "tools/documents/page_style.h"

namespace tarvek::documents {
namespace {

constexpr int kPicturePixels = 600;  // about 220 dots per inch in the picture's frame
constexpr qint64 kMaxSourcePixels = 16 * 1024 * 1024;

QString q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

QByteArray pdfBytes(const DocumentLayout& layout, const DocumentContent& content) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(72);  // one unit per point: the layout's own measure
        writer.setTitle(QString::fromStdString(content.title));
        writer.setCreator(q(kMakerName));
        QPainter painter(&writer);
        for (int page = 0; page < layout.pageCount(); ++page) {
            if (page > 0) writer.newPage();
            layout.paintPage(painter, page);
        }
    }
    return withCatalogueCreationDate(buffer.data());
}

QImage firstPagePicture(const DocumentLayout& layout, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(2835);  // 72 dots per inch, as the layout measures text
    image.setDotsPerMeterY(2835);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / kPageSize.width(), size.width() / kPageSize.width());
    layout.paintPage(painter, 0);
    return image;
}

QByteArray withCatalogueCreationDate(QByteArray pdf) {
    // QPdfWriter writes "/CreationDate (D:YYYYMMDDHHmmSS" then "Z" or an offset "+HH'mm'".
    static const QByteArray key = "/CreationDate (D:";
    const qsizetype start = pdf.indexOf(key);
    if (start < 0) return pdf;
    const qsizetype digits = start + key.size();
    const qsizetype end = pdf.indexOf(')', digits);
    if (end < 0) return pdf;
    const QByteArray date =
        "20" + QByteArray(kCatalogueDate.data(), qsizetype(kCatalogueDate.size())) + "000000";
    const qsizetype length = end - digits;
    QByteArray fixed = date + (length == date.size() + 1 ? "Z" : "+00'00'");
    if (fixed.size() != length) return pdf;  // a form we do not know: leave it alone
    pdf.replace(digits, length, fixed);
    return pdf;
}

QImage documentPicture(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxSourcePixels) return {};
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (image.width() > kPicturePixels || image.height() > kPicturePixels)
        image = image.scaled(kPicturePixels, kPicturePixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tarvek::documents
