// Any bytes as a raster picture, as the picture loader takes them: the JPEG frame header
// read ahead of decoding, then the decoding within its budget at the picture box's size;
// and as a progressive JPEG's preview, which the loader reaches only for large photos.
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "pictures/jpeg_frame.h"
#include "pictures/progressive_jpeg_preview.h"
#include "pictures/raster_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    tarvek::readJpegFrame(buffer);
    if (buffer.pos() != 0) __builtin_trap();  // the decoder starts where the frame reader did
    const QSize shown(276, 272);
    const QImage image = tarvek::decodeRaster(buffer, shown);
    if (!image.isNull() && qint64(image.width()) * image.height() > qint64(8) * 1024 * 1024)
        __builtin_trap();  // never more than the budget
    buffer.seek(0);
    const QImage preview = tarvek::progressiveJpegPreview(buffer, QSize());
    if (!preview.isNull() && qint64(preview.width()) * preview.height() > qint64(2) * 1024 * 1024)
        __builtin_trap();  // an eighth of at most 128 megapixels across and down
    return 0;
}
