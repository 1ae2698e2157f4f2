// The window's own pictures, compiled into the program as resources.
#pragma once

#include <QIcon>
#include <QImage>

namespace tarvek {

// The brand picture: read once, then shared by the configurator page and every quote.
QImage brandPicture();
QIcon windowIcon();

}  // namespace tarvek
