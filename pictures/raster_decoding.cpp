#include "pictures/raster_decoding.h"

#include <QFile>
#include <QImageReader>
#include <optional>

#include "pictures/jpeg_frame.h"
#include "pictures/progressive_jpeg_preview.h"

namespace tarvek {
namespace {

// What one picture may decode into: many times any catalogue picture at twice its size,
// and little enough (32 MB) that no picture dominates the program's memory.
constexpr qint64 kMaxDecodedPixels = 8 * 1024 * 1024;
// A JPEG shown small decodes at an eighth of its width and height, so what it decodes
// into stays small up to this size of source: every camera photo, a 100-megapixel one
// included, but not a header claiming 20,000 x 20,000. Its decoding time grows with it.
constexpr qint64 kMaxShrunkJpegPixels = 128 * 1024 * 1024;
// Raster files are streamed, never held whole; this only bounds the time one may take.
constexpr qint64 kMaxRasterFileBytes = 256 * 1024 * 1024;

qint64 pixels(QSize size) { return qint64(size.width()) * size.height(); }

// Qt's JPEG reader decodes a baseline JPEG straight at a half, quarter or eighth of its
// size and scales the rest, holding a few rows at a time; a progressive JPEG keeps all its
// coefficients, at full size, until it is decoded; every other format decodes whole.
bool withinBudget(QSize source, const std::optional<JpegFrame>& jpeg, bool shrunkWhileDecoding) {
    if (shrunkWhileDecoding && jpeg && !jpeg->progressive) return pixels(source) <= kMaxShrunkJpegPixels;
    return pixels(source) <= kMaxDecodedPixels;
}

// A progressive photo beyond that budget shows from its DC scans, an eighth of its size.
bool previewInstead(QSize source, const std::optional<JpegFrame>& jpeg, bool shownSmaller) {
    return shownSmaller && jpeg && jpeg->progressive && pixels(source) > kMaxDecodedPixels &&
           pixels(source) <= kMaxShrunkJpegPixels;
}

}  // namespace

QImage decodeRaster(QIODevice& source, QSize shownAt) {
    if (source.size() > kMaxRasterFileBytes) return {};
    const qint64 start = source.pos();
    const std::optional<JpegFrame> jpeg = readJpegFrame(source);
    QImageReader reader(&source);  // picks the format by content, not by extension
    const QSize size = reader.size();
    if (!size.isValid()) return {};
    const bool shownSmaller =
        shownAt.isValid() && shownAt.width() <= size.width() && shownAt.height() <= size.height();
    const bool shrink = shownSmaller && reader.supportsOption(QImageIOHandler::ScaledSize);
    if (previewInstead(size, jpeg, shownSmaller) && source.seek(start))
        return progressiveJpegPreview(source, shownAt);
    if (!withinBudget(size, jpeg, shrink)) return {};
    if (shrink) reader.setScaledSize(shownAt);
    return reader.read();
}

QImage decodeRasterFile(const QString& path, QSize shownAt) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    return decodeRaster(file, shownAt);
}

}  // namespace tarvek
