// Windows Metafile pictures: recognised by their header, played by our own player.
#pragma once

#include <QByteArray>

#include "pictures/picture.h"

namespace tarvek {

bool isMetafile(const QByteArray& bytes);
Picture metafilePicture(const QByteArray& bytes);

}  // namespace tarvek
