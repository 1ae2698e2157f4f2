#include "pictures/picture.h"

#include <QFile>
#include <QPainter>

#include "pictures/metafile_picture.h"
#include "pictures/raster_decoding.h"

namespace tarvek {
namespace {

// A metafile is read whole and checked before it is played; a picture of ours is a few
// kilobytes, and anything this large is not one.
constexpr qint64 kMaxMetafileBytes = 32 * 1024 * 1024;
constexpr qint64 kMetafileHeaderBytes = 22;

}  // namespace

Picture Picture::fromFile(const QString& path, QSize shownAt) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    if (isMetafile(file.peek(kMetafileHeaderBytes)))
        return file.size() > kMaxMetafileBytes ? Picture() : metafilePicture(file.readAll());
    Picture picture = fromImage(decodeRaster(file, shownAt));
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
        if (const QImage larger = decodeRasterFile(decodedFrom_, size); !larger.isNull())
            return larger.size() == size
                       ? larger
                       : larger.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
