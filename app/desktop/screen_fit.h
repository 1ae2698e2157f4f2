// The window on a screen smaller than its form: the form, laid out to the pixel, scrolls
// inside a window that fits the screen's available area, and the window is placed there.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace tarvek {

// Sizes the window to its form or, when the form does not fit the available area of the
// window's screen, puts the form into a scroll area that fills a window of that area's size;
// places the window at this offset from the area's top-left corner, or nearer to it where
// it would not fit. The window fits itself again when its screen, the screen's area or its
// frame changes. Where a page makes the form as large as `widestForm`, the window scrolls the
// form from the start if that size would not fit.
void fitToScreen(QWidget& window, QPoint offset, QSize widestForm = QSize());

// The form has another size (a wider page is shown): the window fits it as above, where it
// is; the scroll area, if there is one, holds the form at its new size. A growable form (a
// page that grows with the window) lets a window that holds it whole be made larger.
void refitToScreen(QWidget& window, QSize formSize, bool growable = false);

}  // namespace tarvek
