// What the printed quotation and the specification sheets draw text with: the sheets' face at a
// size in points, and wrapped text laid out once for measuring and drawing alike, so that a
// first pass can measure a page before the second draws it.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace tarvek {

// Arial (Liberation Sans on Debian) at `points`, a pixel of the sheet being a point.
QFont sheetFont(int points, bool bold = false);

// Wrapped text at the top of `box` (`flags` add the alignment); drawn only when `draw`; the
// height it takes.
double printedText(QPainter& painter, bool draw, const QRectF& box, const QFont& font, const QColor& colour,
                   const QString& text, int flags);

}  // namespace tarvek
