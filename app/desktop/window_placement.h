// Windows beside the catalogue's (the quote): inside the available area of the screen the
// catalogue is on, frame and all, at an offset from the catalogue's corner or nearer to the
// area's corner where they would not fit there.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarvek {

// Where a window whose frame is `outer` large goes in `area`: its frame's corner at `wanted`,
// or nearer to the area's top-left corner where it would not fit.
QPoint placedWithin(const QRect& area, QSize outer, QPoint wanted);

// Sizes `window` to at most the area of the screen `over` is on, less its frame, and places
// it at `offset` from `over`'s corner within that area; again once its frame is known (a
// window manager frames a window only after it is shown), never after the user moved it.
void placeOver(QWidget& window, const QWidget& over, QPoint offset);

// Makes the window wider by `by`, as far as its screen's available area allows, moved left
// where its frame would reach past the area; false when it could not grow.
bool widenWithinScreen(QWidget& window, int by);

}  // namespace tarvek
