// Photos as a camera writes them, made at run time: a JPEG with red on the left half and
// blue on the right, and the same file with another size written into its frame header.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

namespace tarvek::testing {

inline QByteArray cameraPhoto(QSize size, bool progressive = false) {
    QImage image(size, QImage::Format_RGB888);  // three bytes a pixel, as the JPEG writer takes them
    image.fill(Qt::red);
    QPainter(&image).fillRect(QRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height()),
                              Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// The frame header (baseline or progressive) made to claim another size: the rest of the
// file stays as it was, far too short for what it claims.
inline QByteArray withClaimedSize(QByteArray jpeg, QSize claimed) {
    for (qsizetype at = 2; at + 8 < jpeg.size(); ++at) {
        const auto code = static_cast<unsigned char>(jpeg[at + 1]);
        if (static_cast<unsigned char>(jpeg[at]) != 0xFF || (code != 0xC0 && code != 0xC2)) continue;
        jpeg[at + 5] = char(claimed.height() >> 8);
        jpeg[at + 6] = char(claimed.height() & 0xFF);
        jpeg[at + 7] = char(claimed.width() >> 8);
        jpeg[at + 8] = char(claimed.width() & 0xFF);
        break;
    }
    return jpeg;
}

}  // namespace tarvek::testing
