// The window's own pictures: the brand picture at the top of the configurator and the
// window icon, both built round the valve symbol.
#pragma once

#include <QImage>
#include <QSize>

namespace tarvek::art {

// Drawn at twice the brand picture's 289 x 82 place on the page.
inline constexpr QSize kBrandSize(578, 164);
inline constexpr int kIconSize = 256;
inline constexpr int kWindowIconSize = 64;
inline constexpr int kThemeIconSizes[] = {16, 32, 48, 64, 128, 256};

QImage brandPicture();
QImage windowIcon();

}  // namespace tarvek::art
