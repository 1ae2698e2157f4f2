// A decoded product picture or porting drawing, drawn stretched to any size.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace tarvek {

class Picture {
  public:
    Picture() = default;

    // Reads a picture file: JPEG and GIF through Qt's image readers, Windows Metafiles
    // through our own player, chosen by the file's content. A missing, unreadable or
    // damaged file gives the empty picture. Given the size it will be shown at, a larger
    // picture may be decoded straight at that size.
    static Picture fromFile(const QString& path, QSize shownAt = {});
    static Picture fromImage(QImage image);
    // A vector drawing, played into an image of the requested size, and given `paint` also
    // straight onto a painter, so that a printed page keeps it as vectors.
    static Picture fromDrawing(std::function<QImage(QSize)> draw,
                               std::function<void(QPainter&, const QRectF&)> paint = {});

    bool isNull() const { return image_.isNull() && !draw_; }

    // The picture stretched to exactly this size, without keeping its aspect ratio.
    QImage render(QSize size) const;
    // The same onto any painter's rectangle: a vector drawing as vectors, an image as an image.
    void paint(QPainter& painter, const QRectF& target) const;

  private:
    QImage image_;
    QString decodedFrom_;  // the file, when the image was decoded smaller than the file holds
    std::function<QImage(QSize)> draw_;
    std::function<void(QPainter&, const QRectF&)> paint_;
};

}  // namespace tarvek
