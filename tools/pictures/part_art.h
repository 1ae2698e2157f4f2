// Spare parts: diaphragms, valve seats and the seat replacement tool kit.
#pragma once

#include <QPainter>
#include <QRectF>

namespace tarvek::art {

void drawDiaphragms(QPainter& p, const QRectF& area);
// A seat ring: PCTFE (off-white) or Vespel (amber).
void drawSeats(QPainter& p, const QRectF& area, bool vespel);
void drawToolKit(QPainter& p, const QRectF& area);

}  // namespace tarvek::art
