// A page of the form wider than the others: the form, its tab widget and the window widen
// while that page is shown and narrow again when another is, so that every page keeps the
// size it was laid out for.
#pragma once

#include <QSize>

class QTabWidget;
class QWidget;

namespace tarvek {

// Each page is as wide as the form was drawn, or as its controls need where they reach
// further right than the first page's do; the window follows the page shown. Returns the
// size of the form with its widest page.
QSize followPageWidths(QWidget& window, QTabWidget& tabs);

}  // namespace tarvek
