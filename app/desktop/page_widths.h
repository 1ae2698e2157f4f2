// A page of the form wider than the others: the form, its tab widget and the window widen
// while that page is shown and narrow again when another is, so that every page keeps the
// size it was laid out for; and a control that grows with its page, and so with the window.
#pragma once

#include <QSize>

class QTabWidget;
class QWidget;

namespace tarvek {

// Each page is as wide as the form was drawn, or as its controls need where they reach
// further right than the first page's do; the window follows the page shown. Returns the
// size of the form with its widest page.
QSize followPageWidths(QWidget& window, QTabWidget& tabs);

// A control that grows with its page, keeping its distances to the page's right and bottom
// edges as drawn (never smaller than drawn); while its page is shown, a window that holds the
// whole form may be made larger, and the page grows with it. After followPageWidths.
void growWithPage(QWidget& control);

}  // namespace tarvek
