// The catalogue's own colours (dark-blue captions, the red non-standard banner, dark-red
// notes) in one variant for a light desktop and one for a dark desktop.
#pragma once

class QWidget;

namespace tarvek {

// Gives each control the form draws in one of the catalogue's colours the variant that
// reads on the desktop's palette, now and whenever the desktop's palette changes.
void followDesktopPalette(QWidget& window);

}  // namespace tarvek
