#include "app/window_pictures.h"

namespace tarvek {

QImage brandPicture() {
    static const QImage brand(QStringLiteral(":/tarvek/brand.bmp"));
    return brand;
}

QIcon windowIcon() { return QIcon(QStringLiteral(":/tarvek/icon.png")); }

}  // namespace tarvek
