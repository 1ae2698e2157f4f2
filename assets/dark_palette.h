// The palette a dark desktop gives the catalogue: what Debian's Qt GTK theme sets under
// Adwaita's dark variant, so tests and screenshots see the window as such a desktop shows it.
#pragma once

#include <QPalette>

namespace tarvek {

QPalette darkDesktopPalette();

}  // namespace tarvek
