// Raster pictures (JPEG, GIF) decoded within a budget on what is decoded, not on the size
// a file claims: a camera photo decodes straight at the size it is shown at, while a file
// whose decoding would take far more than that is refused.
#pragma once

#include <QImage>
#include <QSize>

class QIODevice;
class QString;

namespace tarvek {

// Decodes the picture the device holds, at the size it is shown at when that is smaller
// and the format decodes straight to it; the null image when it cannot, or may not, be decoded.
QImage decodeRaster(QIODevice& source, QSize shownAt);
QImage decodeRasterFile(const QString& path, QSize shownAt);

}  // namespace tarvek
