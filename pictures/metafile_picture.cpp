#include "pictures/metafile_picture.h"

#include <QtEndian>
#include <memory>

#include "pictures/wmf_metafile.h"
#include "pictures/wmf_player.h"

namespace tarvek {

bool isMetafile(const QByteArray& bytes) {
    if (bytes.size() < 18) return false;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const bool placeable = qFromLittleEndian<quint32>(data) == 0x9AC6CDD7u;
    const quint16 type = qFromLittleEndian<quint16>(data), headerWords = qFromLittleEndian<quint16>(data + 2);
    return placeable || ((type == 1 || type == 2) && headerWords == 9);
}

// Read and checked once, when the file is loaded; played at whatever size the picture is
// shown, or onto a page as vectors. A file that is not a sound metafile gives the empty picture.
Picture metafilePicture(const QByteArray& bytes) {
    std::optional<wmf::Metafile> metafile = wmf::parseMetafile(bytes);
    if (!metafile) return {};
    auto shared = std::make_shared<const wmf::Metafile>(std::move(*metafile));
    return Picture::fromDrawing(
        [shared](QSize size) { return wmf::renderMetafile(*shared, size); },
        [shared](QPainter& painter, const QRectF& target) { wmf::paintMetafile(*shared, painter, target); });
}

}  // namespace tarvek
