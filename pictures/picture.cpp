#include "pictures/picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "pictures/metafile_picture.h"

namespace tarvek {
namespace {

// Product pictures are small; anything bigger than this is not a picture of ours, and
// refusing it keeps a damaged header from asking for gigabytes.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
constexpr int kMaxImagePixels = 16 * 1024 * 1024;

QByteArray readPictureFile(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return {};
    return file.readAll();
}

QImage decodeRaster(const QByteArray& bytes, QSize shownAt) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);  // picks the format by content, not by extension
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxImagePixels) return {};
    // A JPEG decodes faster straight at the size it is shown at than in full and scaled after.
    if (shownAt.isValid() && shownAt.width() <= size.width() && shownAt.height() <= size.height() &&
        reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(shownAt);
    return reader.read();
}

}  // namespace

Picture Picture::fromFile(const QString& path, QSize shownAt) {
    const QByteArray bytes = readPictureFile(path);
    if (bytes.isEmpty()) return {};
    if (isMetafile(bytes)) return metafilePicture(bytes);
    Picture picture = fromImage(decodeRaster(bytes, shownAt));
    if (shownAt.isValid()) picture.decodedFrom_ = path;
    return picture;
}

Picture Picture::fromImage(QImage image) {
    Picture picture;
    picture.image_ = std::move(image);
    return picture;
}

Picture Picture::fromDrawing(std::function<QImage(QSize)> draw,
                             std::function<void(QPainter&, const QRectF&)> paint) {
    Picture picture;
    picture.draw_ = std::move(draw);
    picture.paint_ = std::move(paint);
    return picture;
}

QImage Picture::render(QSize size) const {
    if (size.isEmpty() || isNull()) return {};
    if (draw_) return draw_(size);
    if (image_.size() == size) return image_;
    // Decoded small for a smaller place (a window moved to a denser screen): decode again.
    if (!decodedFrom_.isEmpty() && (size.width() > image_.width() || size.height() > image_.height()))
        if (const QImage larger = decodeRaster(readPictureFile(decodedFrom_), size); !larger.isNull())
            return larger.size() == size ? larger : larger.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Picture::paint(QPainter& painter, const QRectF& target) const {
    if (target.isEmpty() || isNull()) return;
    if (paint_) {
        paint_(painter, target);
        return;
    }
    // An image, or a drawing that only renders: at the target's size on the device.
    const QSize pixels = painter.transform().mapRect(target).size().toSize();
    painter.drawImage(target, draw_ ? draw_(pixels) : image_);
}

}  // namespace tarvek
