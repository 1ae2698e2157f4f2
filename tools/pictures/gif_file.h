// Writing a real GIF file with giflib: the picture reduced to a 256-colour palette.
#pragma once

#include <QImage>
#include <QString>

namespace tarvek::art {

bool writeGif(const QImage& image, const QString& path);

}  // namespace tarvek::art
