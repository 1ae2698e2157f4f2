#include "app/metafile_picture.h"

#include <QtEndian>

namespace tarvek {

bool isMetafile(const QByteArray& bytes) {
    if (bytes.size() < 18) return false;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const bool placeable = qFromLittleEndian<quint32>(data) == 0x9AC6CDD7u;
    const quint16 type = qFromLittleEndian<quint16>(data), headerWords = qFromLittleEndian<quint16>(data + 2);
    return placeable || ((type == 1 || type == 2) && headerWords == 9);
}

// The metafile player arrives with the drawings; until then a metafile shows as empty.
Picture metafilePicture(const QByteArray&) { return {}; }

}  // namespace tarvek
