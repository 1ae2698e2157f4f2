// The window on a screen smaller than its form: the form, laid out to the pixel, scrolls
// inside a window that fits the screen's available area, and the window is placed there.
#pragma once

#include <QPoint>

class QWidget;

namespace tarvek {

// Sizes the window to its form or, when the form does not fit the available area of the
// window's screen, puts the form into a scroll area that fills a window of that area's size;
// places the window at this offset from the area's top-left corner, or nearer to it where
// it would not fit. The window fits itself again when its screen, the screen's area or its
// frame changes.
void fitToScreen(QWidget& window, QPoint offset);

}  // namespace tarvek
