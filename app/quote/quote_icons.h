// The quote buttons' icons, drawn rather than read from a file: sharp at any screen scale,
// and in the palette's own text colour, so that they follow a dark theme.
#pragma once

#include <QIcon>

namespace tarvek {

QIcon addToQuoteIcon();  // a sheet with a plus
QIcon showQuoteIcon();   // a sheet of many lines
QIcon copyQuoteIcon();   // two sheets, one over the other
QIcon printQuoteIcon();  // a printer with a sheet coming out

}  // namespace tarvek
